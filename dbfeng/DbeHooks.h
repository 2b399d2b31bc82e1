#pragma once

#include <shapefil.h>

#include <string>

// shapelib's file hooks, tamed: shapelib derives file names from a base name (adding ".dbf",
// ".DBF", ".cpg"); these hooks open exactly the path meant for the table and nothing else, never
// delete a file, read numbers without the locale, and keep shapelib's complaints for the engine.
namespace DbeHooks {

// Hooks that open `path` whenever shapelib asks for its table file. The path must outlive the
// shapelib call the hooks are given to (the engine is single-threaded).
SAHooks forPath(const std::string& path);

// Flushes and syncs a file shapelib opened through the hooks.
bool sync(SAFile file);

// The last complaint shapelib made through the hooks, then cleared.
std::string takeError();

} // namespace DbeHooks
