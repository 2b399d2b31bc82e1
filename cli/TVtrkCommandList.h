#pragma once

#include "cli/TVtrkCommand.h"

#include <memory>
#include <vector>

// Every command vtrk knows, in the order "vtrk --help" lists them.
std::vector<std::unique_ptr<TVtrkCommand>> VtrkCommands();
