#pragma once

#include <shapefil.h>

#include <string>

// shapelib's file hooks, tamed: shapelib derives file names from a base name (adding ".dbf",
// ".DBF", ".cpg") and opens them by name; these hooks hand it the file the engine has already
// opened and checked (so no name is looked up twice), open nothing else, never delete a file,
// read numbers without the locale, and keep shapelib's complaints for the engine.
namespace DbeHooks {

// Hooks that give shapelib a duplicate of `fd`, rewound, whenever it asks for its table file. The
// descriptor must stay open for the shapelib call the hooks are given to (the engine is
// single-threaded); what shapelib opened stays valid after it is closed.
SAHooks forDescriptor(int fd);

// Flushes and syncs a file shapelib opened through the hooks.
bool sync(SAFile file);

// The last complaint shapelib made through the hooks, then cleared.
std::string takeError();

} // namespace DbeHooks
