// The music clock that key marks read: the first sound any demo created.
#pragma once

class NSound;

// Set by the first demo that creates a sound; cleared when that demo goes.
extern NSound* CurrentSound;

// Seconds on the music clock, as key marks record them; 0 without a current sound.
float MusicSeconds();
// A music position in milliseconds turned into the seconds the timeline runs on.
float ClockSeconds(int milliseconds);
