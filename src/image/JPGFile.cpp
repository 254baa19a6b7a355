#include "image/JPGFile.h"

// jpeglib.h needs FILE and size_t declared first.
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>

#include <jpeglib.h>
// jerror.h after jpeglib.h: it uses the library's types.
#include <jerror.h>

#include "base/Con.h"
#include "image/Bitmap.h"
#include "io/Data.h"

// The library reports fatal errors through a callback that must not return; it
// jumps back to the recovery point set in Decode or Encode. Those two functions keep
// everything they change in the records their callers own, and no object with a
// destructor lives between the recovery point and the library's frames, so the jump
// skips no clean-up.

namespace {

// Compressed bytes move between the library and the stream in blocks of this size.
constexpr int kBlockSize = 4096;

struct ErrorHandler {
    jpeg_error_mgr manager;
    jmp_buf recovery;
};

// The library's warnings and error texts go to the log as plain lines.
void LogLibraryMessage(j_common_ptr info) {
    char text[JMSG_LENGTH_MAX];
    (*info->err->format_message)(info, text);
    Con.PrintLine("JPG: %s", text);
}

[[noreturn]] void RecoverFromError(j_common_ptr info) {
    Con.PrintLine("JPG error");
    (*info->err->output_message)(info);
    longjmp(reinterpret_cast<ErrorHandler*>(info->err)->recovery, 1);
}

jpeg_error_mgr* InstallErrorHandler(ErrorHandler& handler) {
    jpeg_std_error(&handler.manager);
    handler.manager.error_exit = RecoverFromError;
    handler.manager.output_message = LogLibraryMessage;
    return &handler.manager;
}

// [SECTION] Reading

struct StreamSource {
    jpeg_source_mgr manager;
    NData* stream;
    bool ended;
    // The end-of-image marker had to be supplied: the file ended early.
    bool truncated;
    JOCTET block[kBlockSize];
};

void InitSource(j_decompress_ptr) {}
void TermSource(j_decompress_ptr) {}

// The stream does not tell how many bytes a short last block held, so the block is
// filled with 0xFF first: JPEG reads runs of 0xFF as fill before a marker, and the
// bytes past the file's end lead into the end-of-image marker supplied once the
// stream has nothing more to give.
boolean FillInputBuffer(j_decompress_ptr info) {
    auto* source = reinterpret_cast<StreamSource*>(info->src);
    source->manager.next_input_byte = source->block;
    if (source->ended) {
        source->truncated = true;
        WARNMS(info, JWRN_JPEG_EOF);
        source->block[0] = 0xFF;
        source->block[1] = JPEG_EOI;
        source->manager.bytes_in_buffer = 2;
        return TRUE;
    }
    memset(source->block, 0xFF, kBlockSize);
    source->ended = source->stream->Read(source->block, kBlockSize) != 0;
    source->manager.bytes_in_buffer = kBlockSize;
    return TRUE;
}

void SkipInputData(j_decompress_ptr info, long count) {
    jpeg_source_mgr* source = info->src;
    while (count > static_cast<long>(source->bytes_in_buffer)) {
        count -= static_cast<long>(source->bytes_in_buffer);
        FillInputBuffer(info);
    }
    if (count > 0) {
        source->next_input_byte += count;
        source->bytes_in_buffer -= static_cast<size_t>(count);
    }
}

// Everything a decoding changes, owned by the caller of Decode.
struct Decoding {
    jpeg_decompress_struct info;
    ErrorHandler error;
    StreamSource source;
    unsigned char* pixels;
    int width;
    int height;
    int channels;
};

void BindSource(Decoding& job, NData* stream) {
    StreamSource& source = job.source;
    source.manager.init_source = InitSource;
    source.manager.fill_input_buffer = FillInputBuffer;
    source.manager.skip_input_data = SkipInputData;
    source.manager.resync_to_restart = jpeg_resync_to_restart;
    source.manager.term_source = TermSource;
    source.manager.bytes_in_buffer = 0;
    source.manager.next_input_byte = nullptr;
    source.stream = stream;
    source.ended = false;
    source.truncated = false;
    job.info.src = &source.manager;
}

// The fewest bytes that can code the image: every block of at least one component
// takes one bit or more in the first scan that holds it.
int64_t MinimumBytes(const jpeg_decompress_struct& info) {
    int64_t fewestBlocks = INT64_MAX;
    for (int i = 0; i < info.num_components; ++i) {
        const jpeg_component_info& component = info.comp_info[i];
        const int64_t blocks =
            static_cast<int64_t>(component.width_in_blocks) * component.height_in_blocks;
        fewestBlocks = blocks < fewestBlocks ? blocks : fewestBlocks;
    }
    return info.num_components > 0 ? (fewestBlocks + 7) / 8 : 0;
}

// 0 with the pixels in `job`, or 1; the caller frees job.pixels after a failure.
// A file that ends before its last line is refused rather than padded: the
// library would make up the rest of the picture.
int Decode(Decoding& job, NData* stream, const char* file) {
    job.info.err = InstallErrorHandler(job.error);
    if (setjmp(job.error.recovery)) {
        Con.PrintLine("JPG read: recovery from error");
        jpeg_destroy_decompress(&job.info);
        Con.PrintLine("JPG read: quit");
        return 1;
    }
    jpeg_create_decompress(&job.info);
    BindSource(job, stream);
    jpeg_read_header(&job.info, TRUE);
    // Up to one block of the data already lies in the source, ahead of the stream.
    const int64_t neededFromStream = MinimumBytes(job.info) - kBlockSize;
    if (!ImageSizeAllowed("NJPGFile", file, static_cast<int>(job.info.image_width),
                          static_cast<int>(job.info.image_height))) {
        jpeg_destroy_decompress(&job.info);
        return 1;
    }
    if (!FileHolds(*stream, neededFromStream)) {
        Con.PrintLine("JPG read: a %ux%u picture needs more data than the file holds",
                      job.info.image_width, job.info.image_height);
        jpeg_destroy_decompress(&job.info);
        return 1;
    }
    if (job.info.jpeg_color_space != JCS_GRAYSCALE && job.info.jpeg_color_space != JCS_RGB) {
        job.info.out_color_space = JCS_RGB;
    }
    jpeg_start_decompress(&job.info);
    job.width = static_cast<int>(job.info.output_width);
    job.height = static_cast<int>(job.info.output_height);
    job.channels = job.info.output_components;
    const size_t rowBytes = static_cast<size_t>(job.width) * job.channels;
    job.pixels = new (std::nothrow) unsigned char[rowBytes * job.height];
    if (!job.pixels) {
        Con.Error("NJPGFile: out of memory for %dx%d pixels", job.width, job.height);
        jpeg_destroy_decompress(&job.info);
        return 1;
    }
    while (job.info.output_scanline < job.info.output_height) {
        JSAMPROW row = job.pixels + job.info.output_scanline * rowBytes;
        // A source that never suspends always yields a line; stopping otherwise
        // lets the library report the missing lines instead of looping.
        if (jpeg_read_scanlines(&job.info, &row, 1) == 0) {
            break;
        }
    }
    if (job.source.truncated || job.info.output_scanline < job.info.output_height) {
        Con.PrintLine("JPG read: the file ends before its last line");
        jpeg_destroy_decompress(&job.info);
        return 1;
    }
    jpeg_finish_decompress(&job.info);
    jpeg_destroy_decompress(&job.info);
    return 0;
}

// [SECTION] Writing

struct StreamDestination {
    jpeg_destination_mgr manager;
    NData* stream;
    JOCTET block[kBlockSize];
};

void InitDestination(j_compress_ptr info) {
    auto* destination = reinterpret_cast<StreamDestination*>(info->dest);
    destination->manager.next_output_byte = destination->block;
    destination->manager.free_in_buffer = kBlockSize;
}

boolean EmptyOutputBuffer(j_compress_ptr info) {
    auto* destination = reinterpret_cast<StreamDestination*>(info->dest);
    if (destination->stream->Write(destination->block, kBlockSize) != 0) {
        ERREXIT(info, JERR_FILE_WRITE);
    }
    InitDestination(info);
    return TRUE;
}

void TermDestination(j_compress_ptr info) {
    auto* destination = reinterpret_cast<StreamDestination*>(info->dest);
    const int count = kBlockSize - static_cast<int>(destination->manager.free_in_buffer);
    if (count > 0 && destination->stream->Write(destination->block, count) != 0) {
        ERREXIT(info, JERR_FILE_WRITE);
    }
}

struct Encoding {
    jpeg_compress_struct info;
    ErrorHandler error;
    StreamDestination destination;
};

void BindDestination(Encoding& job, NData* stream) {
    job.destination.manager.init_destination = InitDestination;
    job.destination.manager.empty_output_buffer = EmptyOutputBuffer;
    job.destination.manager.term_destination = TermDestination;
    job.destination.stream = stream;
    job.info.dest = &job.destination.manager;
}

// Writes the bitmap's rows, which are LEFT UP with `channels` bytes a pixel.
int Encode(Encoding& job, const NBitmap& bitmap, NData* stream, int channels) {
    job.info.err = InstallErrorHandler(job.error);
    if (setjmp(job.error.recovery)) {
        Con.PrintLine("JPG write: recovery from error");
        jpeg_destroy_compress(&job.info);
        Con.PrintLine("JPG write: quit");
        return 1;
    }
    jpeg_create_compress(&job.info);
    BindDestination(job, stream);
    job.info.image_width = static_cast<JDIMENSION>(bitmap.Width);
    job.info.image_height = static_cast<JDIMENSION>(bitmap.Height);
    job.info.input_components = channels;
    job.info.in_color_space = channels == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&job.info);
    // The library limits the quality to 100.
    jpeg_set_quality(&job.info, 2000, TRUE);
    jpeg_start_compress(&job.info, TRUE);
    const size_t rowBytes = static_cast<size_t>(bitmap.Width) * channels;
    while (job.info.next_scanline < job.info.image_height) {
        JSAMPROW row = bitmap.Pixels + job.info.next_scanline * rowBytes;
        jpeg_write_scanlines(&job.info, &row, 1);
    }
    jpeg_finish_compress(&job.info);
    jpeg_destroy_compress(&job.info);
    return 0;
}

}  // namespace

int NJPGFile::Read() {
    if (bitmap->Pixels) {
        return 1;
    }
    Decoding job{};
    if (Decode(job, stream, bitmap->Name) != 0) {
        delete[] job.pixels;
        return 1;
    }
    bitmap->Width = job.width;
    bitmap->Height = job.height;
    const bool grey = job.channels == 1;
    bitmap->Layout = {grey ? NBitmap::B08 : NBitmap::B24, grey ? NBitmap::GRAY : NBitmap::RGB,
                      NBitmap::LEFT, NBitmap::UP};
    bitmap->AdoptPixels(job.pixels);
    return 0;
}

// A grey bitmap deeper than one byte a pixel has no one-channel block to write, so
// it is refused after the warning.
int NJPGFile::Write() {
    if (!bitmap->HasPixels()) {
        return 1;
    }
    const bool grey = bitmap->Layout.Order == NBitmap::GRAY;
    if (grey && bitmap->Layout.Depth != NBitmap::B08) {
        Con.Warning("invalid greyscale NBitmap");
        return 1;
    }
    const NBitmapLayout target =
        grey ? NBitmapLayout{NBitmap::B08, NBitmap::GRAY, NBitmap::LEFT, NBitmap::UP}
             : NBitmapLayout{NBitmap::B24, NBitmap::RGB, NBitmap::LEFT, NBitmap::UP};
    if (const int result = bitmap->ConvertLayout(target)) {
        return result;
    }
    Encoding job{};
    return Encode(job, *bitmap, stream, grey ? 1 : 3);
}
