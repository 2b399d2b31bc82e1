#include "controller/TControllerSession.h"

TControllerSession::TControllerSession(TSerDataPort& port, TControllerPortOpener& opener,
                                       TTransferProgress& progress, TMessageBoxes& boxes)
    : exchange(port, sequence, boxes), info(exchange, opener), transfer(exchange, opener, progress) {}
