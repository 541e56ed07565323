#include "batch/batch_command_table.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "framework/exceptions/user_exception.h"

void CBatchCommandTable::Add(SBatchCommand command) {
    m_commands.push_back(std::move(command));
}

const SBatchCommand* CBatchCommandTable::Find(const std::string& name) const {
    for (const SBatchCommand& command : m_commands) {
        if (command.name == name) {
            return &command;
        }
    }
    return nullptr;
}

std::string CBatchCommandTable::FormatHelp() const {
    std::string text;
    for (const SBatchCommand& command : m_commands) {
        std::string usage = "  " + command.name;
        for (const std::string& argument : command.arguments) {
            usage += " " + argument;
        }
        if (usage.size() < 40) {
            usage.append(40 - usage.size(), ' ');
        } else {
            usage += "\n" + std::string(40, ' ');
        }
        text += usage + command.help + "\n";
    }
    return text;
}

bool ParseBatchInteger(const std::string& command, const std::string& text, int& value) {
    errno = 0;
    char* end = nullptr;
    long long parsed = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || end == nullptr || *end != '\0' || errno != 0 || parsed < INT_MIN ||
        parsed > INT_MAX) {
        std::fprintf(stderr, "tramlet-batch: %s: \"%s\" is not a whole number\n", command.c_str(),
                     text.c_str());
        return false;
    }
    value = static_cast<int>(parsed);
    return true;
}

bool ParseBatchReal(const std::string& command, const std::string& text, double& value) {
    errno = 0;
    char* end = nullptr;
    double parsed = std::strtod(text.c_str(), &end);
    if (text.empty() || end == nullptr || *end != '\0' || errno != 0 || !std::isfinite(parsed)) {
        std::fprintf(stderr, "tramlet-batch: %s: \"%s\" is not a number\n", command.c_str(), text.c_str());
        return false;
    }
    value = parsed;
    return true;
}

SBatchCommand AlgorithmCommand(const std::string& name, const std::string& help,
                               std::function<bool(const CTramletDoc&)> enabled, const std::string& reason,
                               std::function<ERunResult(CTramletDoc&)> run) {
    return {name, {}, help, [=](SBatchContext& context, const std::vector<std::string>&) {
                if (enabled && !enabled(context.document)) {
                    context.failure = "needs " + reason;
                    return false;
                }
                const ERunResult result = run(context.document);
                if (!enabled && result == ERunResult::refused) {
                    context.failure = "needs " + reason;
                }
                return result == ERunResult::recorded;
            }};
}

bool Guarded(const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const CUserException&) {
        return false;
    }
}
