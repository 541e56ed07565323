#include "app/tramlet_version.h"

SVersionRecord GetTramletVersionRecord() {
    SVersionRecord record;
    record.companyName = "Sable Routing";
    record.productName = "Tramlet";
    record.productVersion = "1.0.0";
    record.productDate = "December 7, 2026";
    record.fileFlags = 0;
    return record;
}
