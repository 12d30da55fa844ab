// EDiscError: why a drive, disc image or sheet was refused; its text is what CR_GetLastErrorText hands out.
#pragma once

#include <stdexcept>

namespace cdrip {

class EDiscError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}
