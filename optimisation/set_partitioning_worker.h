#pragma once

#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

#include <glpk.h>

class CSableWinApp;
class CSableDocument;

// The worker thread of one set-partitioning run. GLPK keeps its memory in an environment of the
// thread that calls it, so a problem must be created, changed, solved and deleted on one thread:
// every GLPK call of the run is handed to this worker, which creates the master problem first and,
// when the run ends, deletes it and frees its own GLPK environment. GLPK's terminal output of the
// worker goes to stderr.
//
// Ordinary calls wait for the worker. A solver call (RunSolver) removes the abort dialog, and the
// calling thread keeps calling CheckAlgorithmContinuation until the worker has finished; when that
// ends the run (abort, refused time limit), the destructor waits for the solver to return before
// the problem is deleted, so the problem is never touched while a solver works on it.
class CSetPartitioningWorker {
public:
    // Starts the worker and creates the problem on it. When GLPK cannot create a problem the
    // message is shown and a user exception raised (the worker is stopped again).
    explicit CSetPartitioningWorker(CSableWinApp& app);
    ~CSetPartitioningWorker();
    CSetPartitioningWorker(const CSetPartitioningWorker&) = delete;
    CSetPartitioningWorker& operator=(const CSetPartitioningWorker&) = delete;

    // Runs job with the problem on the worker and waits for it; an exception of the job is raised
    // again here.
    void Run(const std::function<void(glp_prob*)>& job);
    // glp_simplex and glp_intopt with a copy of the control parameters, on the worker, returning
    // the solver's result while the calling thread checks the continuation of the algorithm of
    // document. The abort dialog is removed meanwhile. A null problem or parameter block gives -1
    // without solving.
    int RunSimplex(CSableDocument& document, const glp_smcp& parameters);
    int RunIntopt(CSableDocument& document, const glp_iocp& parameters);

    // Processor seconds the worker spent in solver calls so far.
    double GetSolverSeconds() const { return m_solverSeconds; }

private:
    // The worker holds everything a running solver call reads, so that nothing of the caller's
    // is touched after an abort has left the caller.
    int RunSolver(CSableDocument& document, std::function<int()> call);
    void Loop();
    void Submit(std::function<void()> job);
    void Stop();

    CSableWinApp& m_app;
    glp_prob* m_problem = nullptr;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::function<void()> m_job;
    std::exception_ptr m_failure;
    std::atomic<bool> m_busy{false};
    bool m_stop = false;
    int m_result = -1;
    std::atomic<double> m_solverSeconds{0.0};
    glp_smcp m_simplexParameters{};
    glp_iocp m_integerParameters{};
    std::thread m_thread;
};
