#pragma once

#include <functional>
#include <string>
#include <vector>

#include "runs/run_frame.h"

class CTramletDoc;
class CConsoleUserInterface;

// What a batch command works on.
struct SBatchContext {
    CTramletDoc& document;
    CConsoleUserInterface& ui;
    // Why the running step was refused, when no message of the system says it.
    std::string failure;
};

// One command of tramlet-batch. Settings are spelled "--name VALUE", commands are plain words;
// both run in the order given. run returns false when the command was refused or failed (the
// system has then shown its own message).
struct SBatchCommand {
    std::string name;
    std::vector<std::string> arguments; // names of the arguments, for --help
    std::string help;
    std::function<bool(SBatchContext&, const std::vector<std::string>&)> run;
};

class CBatchCommandTable {
public:
    void Add(SBatchCommand command);
    const SBatchCommand* Find(const std::string& name) const;
    const std::vector<SBatchCommand>& GetCommands() const { return m_commands; }
    // The command list of --help: one line per command with its arguments and help text.
    std::string FormatHelp() const;

private:
    std::vector<SBatchCommand> m_commands;
};

// Every family of commands adds itself here (batch/command_families.cpp).
void AddAllBatchCommands(CBatchCommandTable& table);

// The command families.
void AddProjectCommands(CBatchCommandTable& table);
void AddArchiveCommands(CBatchCommandTable& table);
void AddMipCommands(CBatchCommandTable& table);
void AddSavingsCommands(CBatchCommandTable& table);
void AddConstructionCommands(CBatchCommandTable& table);
void AddExchangeCommands(CBatchCommandTable& table);
void AddMoveSwapCommands(CBatchCommandTable& table);
void AddCrossoverCommands(CBatchCommandTable& table);
void AddCombinedCommands(CBatchCommandTable& table);
void AddAssignmentCommands(CBatchCommandTable& table);
void AddSetPartitioningCommands(CBatchCommandTable& table);
void AddSearchCommands(CBatchCommandTable& table);
void AddSolutionCommands(CBatchCommandTable& table);

// A command that runs an algorithm and succeeds when the run was recorded. With an enabled
// test it refuses, with the failure "needs REASON", unless the test holds; without one the same
// failure follows a refused run.
SBatchCommand AlgorithmCommand(const std::string& name, const std::string& help,
                               std::function<bool(const CTramletDoc&)> enabled, const std::string& reason,
                               std::function<ERunResult(CTramletDoc&)> run);
// Runs a document command or validating setter that reports a refusal by a user exception:
// false then.
bool Guarded(const std::function<void()>& command);

// Helpers for the argument checks of the commands: false (after a one-line reason on stderr)
// when text is not a whole number / a real number.
bool ParseBatchInteger(const std::string& command, const std::string& text, int& value);
bool ParseBatchReal(const std::string& command, const std::string& text, double& value);
