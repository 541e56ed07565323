#pragma once

class CMainFrame;
class CTramletDoc;

// The enable rules of the algorithm commands that the core does not state itself, and the
// frame's part of every rule: a project is open, no algorithm runs or aborts and manual
// construction is not under way.

// Whether an algorithm runs, aborts, or manual construction is under way.
bool IsAlgorithmBusy(const CMainFrame& frame);
// A project is open, the frame is not busy, and rule holds for the project.
bool IsCommandAllowed(const CMainFrame& frame, bool (*rule)(const CTramletDoc&));

bool NeverEnabled(const CTramletDoc& document);
bool HasProject(const CTramletDoc& document);
// No algorithm runs and the project has a route (the exchange improvements).
bool HasRoutes(const CTramletDoc& document);
// No algorithm runs, more than one vehicle, a customer or supplier and a depot (the assignment
// cost displays).
bool CanRunWithSeveralVehicles(const CTramletDoc& document);
// The same and every customer and supplier on a route (set partitioning).
bool CanRunSetPartitioning(const CTramletDoc& document);
// The same with at most 128 customers and at most 128 suppliers (the no-revisits variants).
bool CanRunSetPartitioningNoRevisits(const CTramletDoc& document);
