#include "optimisation/set_partitioning_worker.h"

#include <dlfcn.h>
#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstring>

#include "framework/application/sable_document.h"
#include "framework/application/sable_win_app.h"
#include "framework/exceptions/user_exception.h"
#include "framework/strings/string_table.h"

namespace {

// GLPK's terminal output of the worker goes to stderr, never into a program's results on stdout.
int ForwardTerminalOutput(void*, const char* text) {
    std::fputs(text, stderr);
    return 1;
}

// Sends the calling thread's GLPK terminal output to stderr (the hook is per thread).
void HookTerminalOutput(void* library) {
    void* hook = library != nullptr ? dlsym(library, "glp_term_hook") : nullptr;
    if (hook != nullptr) {
        decltype(&::glp_term_hook) termHook = nullptr;
        std::memcpy(&termHook, &hook, sizeof hook);
        termHook(ForwardTerminalOutput, nullptr);
    }
}

// Processor seconds of the calling thread.
double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

} // namespace

CSetPartitioningWorker::CSetPartitioningWorker(CSableWinApp& app) : m_app(app) {
    m_thread = std::thread([this] { Loop(); });
    Run([this](glp_prob*) {
        HookTerminalOutput(m_app.GetGLPKLibraryHandle());
        m_problem = m_app.m_pfn_glp_create_prob();
    });
    if (m_problem == nullptr) {
        Stop();
        DisplayErrorMessage(LoadResourceString(37042), false);
        ThrowUserException();
    }
}

CSetPartitioningWorker::~CSetPartitioningWorker() {
    Stop();
}

void CSetPartitioningWorker::Stop() {
    if (!m_thread.joinable()) {
        return;
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void CSetPartitioningWorker::Loop() {
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_stop || m_job; });
        if (m_job) {
            std::function<void()> job = std::move(m_job);
            m_job = nullptr;
            lock.unlock();
            std::exception_ptr failure;
            try {
                job();
            } catch (...) {
                failure = std::current_exception();
            }
            lock.lock();
            m_failure = failure;
            m_busy = false;
            m_changed.notify_all();
            continue;
        }
        // Stopping: the problem goes with the environment it lives in.
        lock.unlock();
        if (m_problem != nullptr) {
            m_app.m_pfn_glp_delete_prob(m_problem);
            m_problem = nullptr;
        }
        if (m_app.m_pfn_glp_free_env != nullptr) {
            m_app.m_pfn_glp_free_env();
        }
        return;
    }
}

void CSetPartitioningWorker::Submit(std::function<void()> job) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_job = std::move(job);
        m_failure = nullptr;
        m_busy = true;
    }
    m_changed.notify_all();
}

void CSetPartitioningWorker::Run(const std::function<void(glp_prob*)>& job) {
    Submit([&] { job(m_problem); });
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_busy; });
    if (m_failure) {
        std::rethrow_exception(m_failure);
    }
}

int CSetPartitioningWorker::RunSolver(CSableDocument& document, std::function<int()> call) {
    document.DisableAbortAlgorithm();
    Submit([this, call = std::move(call)] {
        const double start = ThreadSeconds();
        m_result = call();
        m_solverSeconds = m_solverSeconds + (ThreadSeconds() - start);
    });
    while (m_busy) {
        // An abort raised here leaves the solver running; the destructor waits for it.
        document.CheckAlgorithmContinuation();
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait_for(lock, std::chrono::milliseconds(2), [this] { return !m_busy; });
    }
    document.EnableAbortAlgorithm();
    return m_result;
}

int CSetPartitioningWorker::RunSimplex(CSableDocument& document, const glp_smcp& parameters) {
    m_simplexParameters = parameters;
    return RunSolver(document, [this] {
        glp_prob* problem = m_problem;
        return problem == nullptr ? -1 : m_app.m_pfn_glp_simplex(problem, &m_simplexParameters);
    });
}

int CSetPartitioningWorker::RunIntopt(CSableDocument& document, const glp_iocp& parameters) {
    m_integerParameters = parameters;
    return RunSolver(document, [this] {
        glp_prob* problem = m_problem;
        return problem == nullptr ? -1 : m_app.m_pfn_glp_intopt(problem, &m_integerParameters);
    });
}
