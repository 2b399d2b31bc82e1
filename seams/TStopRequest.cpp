#include "seams/TStopRequest.h"

#include <csignal>

namespace {
volatile std::sig_atomic_t raised = 0;
} // namespace

void TStopRequest::Raise() {
    raised = 1;
}

bool TStopRequest::Raised() {
    return raised != 0;
}

void TStopRequest::Clear() {
    raised = 0;
}
