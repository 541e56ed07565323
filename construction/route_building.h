#pragma once

// What the constructions that build routes one facility at a time share.

class CFacility;
class CRoute;
class CTramletDoc;

// The number of facilities of a type (customer or supplier) whose quantity fits a vehicle.
int CountEligibleFacilities(const CTramletDoc& document, int type);

// A new route depot, depot (the depot entries without their route field) added to the document.
CRoute* OpenDepotRoute(CTramletDoc& document, CFacility* depot);
