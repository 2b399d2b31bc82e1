#include "cli/TVtrkCommandList.h"

#include "cli/TDiffCommand.h"
#include "cli/TExportCommand.h"
#include "cli/THistoryCommand.h"
#include "cli/TImportCommand.h"
#include "cli/TInfoCommand.h"
#include "cli/TLineTestCommand.h"
#include "cli/TPortsCommand.h"
#include "cli/TReadCommand.h"
#include "cli/TShowCommand.h"
#include "cli/TSiteCommand.h"
#include "cli/TSyncCommand.h"
#include "cli/TWriteCommand.h"

// A new command is a class of its own and one line here.
std::vector<std::unique_ptr<TVtrkCommand>> VtrkCommands() {
    std::vector<std::unique_ptr<TVtrkCommand>> commands;
    commands.push_back(std::make_unique<TPortsCommand>());
    commands.push_back(std::make_unique<TInfoCommand>());
    commands.push_back(std::make_unique<TReadCommand>());
    commands.push_back(std::make_unique<TWriteCommand>());
    commands.push_back(std::make_unique<TLineTestCommand>());
    commands.push_back(std::make_unique<TShowCommand>());
    commands.push_back(std::make_unique<TExportCommand>());
    commands.push_back(std::make_unique<TImportCommand>());
    commands.push_back(std::make_unique<TDiffCommand>());
    commands.push_back(std::make_unique<TSyncCommand>());
    commands.push_back(std::make_unique<THistoryCommand>());
    commands.push_back(std::make_unique<TSiteCommand>());
    return commands;
}
