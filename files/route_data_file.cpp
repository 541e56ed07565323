#include "files/route_data_file.h"

#include <string>
#include <vector>

#include "files/text_items.h"
#include "files/text_line_reader.h"
#include "framework/application/sable_win_app.h"
#include "framework/exceptions/user_exception.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"

namespace {

// Empties the route (clearing its facilities' route fields) before it is discarded.
struct SRouteGuard {
    CRoute* route;
    ~SRouteGuard() {
        if (route != nullptr) {
            route->Clear();
        }
    }
};

// The items of the route's next line, which must hold at least the required number.
std::vector<std::string> ReadRouteLine(const CRoute& route, CTextLineReader& reader, std::size_t required,
                                       std::string& line) {
    reader.ReadNonCommentLine(line);
    std::vector<std::string> items = SplitItems(line);
    if (items.empty()) {
        DisplayErrorMessage(FormatString("Missing or incomplete data line for route %s in route data file %s",
                                         route.GetLabel().c_str(), reader.GetFileName().c_str()));
        ThrowUserException();
    }
    if (items.size() < required) {
        DisplayErrorMessage(
            FormatString("Invalid number of data items %d different from required number %d for "
                         "route %s data\n%s",
                         static_cast<int>(items.size()), static_cast<int>(required), route.GetLabel().c_str(),
                         line.c_str()));
        ThrowUserException();
    }
    return items;
}

} // namespace

std::unique_ptr<CRoute> ReadRouteDataLines(CTramletDoc& document, int index, CTextLineReader& reader) {
    auto route = std::make_unique<CRoute>(&document);
    route->SetIndex(index);
    route->SetLabel(std::to_string(index + 1));
    SRouteGuard guard{route.get()};

    std::string line;
    std::vector<std::string> items = ReadRouteLine(*route, reader, ROUTE_HEADER_ITEMS, line);
    if (!route->DecodeDataHeader(items, line)) {
        ThrowUserException();
    }
    bool closed = false;
    while (!closed) {
        items = ReadRouteLine(*route, reader, ROUTE_ENTRY_ITEMS, line);
        if (!route->AddDataEntry(items, line, closed)) {
            ThrowUserException();
        }
    }
    if (!route->FinishDataLines(line)) {
        ThrowUserException();
    }
    guard.route = nullptr;
    return route;
}

void ReadRouteDataFile(CTramletDoc& document, int count, CTextLineReader& reader) {
    for (int index = 0; index < count; ++index) {
        document.AddRoute(ReadRouteDataLines(document, index, reader), true);
    }
}

void WriteRouteDataFile(const CTramletDoc& document, std::FILE* file) {
    for (int index = 0; index < document.GetNumberOfRoutes(); ++index) {
        document.GetRoute(index)->WriteDataLines(file);
    }
}
