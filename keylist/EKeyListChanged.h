#pragma once

#include <stdexcept>
#include <string>

// A save refused because the key-list file was changed on disk since the program opened or last
// saved it (vtrk, the Site window, another program, a sync tool): saving would overwrite that
// change with contents made from the old file.
class EKeyListChanged : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
