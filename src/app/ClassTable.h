// The document vocabulary: the classes and members that documents can name.
#pragma once

// Fills the registry once; every later call does nothing.
void NClassRegistration();
