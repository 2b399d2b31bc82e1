#include "controller/TControllerSession.h"

TControllerSession::TControllerSession(TSerDataPort& port, TControllerPortOpener& opener,
                                       TTransferProgress& progress)
    : exchange(port, sequence), info(exchange, opener), transfer(exchange, opener, progress) {}
