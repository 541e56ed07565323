// The within-route improvements: Two Exchange, Three Exchange, Chain Exchange and the chain
// length.

#include <cstdio>
#include <functional>
#include <string>

#include "batch/batch_command_table.h"
#include "improvement/chain_exchange.h"
#include "improvement/three_exchange.h"
#include "improvement/two_exchange.h"
#include "model/tramlet_doc.h"
#include "runs/select_algorithm.h"

namespace {

using Arguments = std::vector<std::string>;

// Whether the exchange commands are enabled: no algorithm running, at least one route.
bool CanExchange(const CTramletDoc& document) {
    return !document.IsAlgorithmRunning() && document.GetNumberOfRoutes() > 0;
}

} // namespace

void AddExchangeCommands(CBatchCommandTable& table) {
    table.Add(
        {"--chain-length",
         {"N"},
         "chain length of Chain Exchange, 1 to customers + suppliers - 1",
         [](SBatchContext& context, const Arguments& arguments) {
             int length = 0;
             if (!ParseBatchInteger("--chain-length", arguments[0], length)) {
                 return false;
             }
             // The range of the Chain Exchange page of the Select sheet.
             CSelectAlgorithmSheet sheet(context.document);
             sheet.m_chainLength = length;
             if (sheet.ApplyPage(SELECT_PAGE_CHAIN_EXCHANGE)) {
                 return true;
             }
             const CTramletDoc& document = context.document;
             if (sheet.GetFailedField() == "Chain Length (>=1):") {
                 std::fprintf(stderr, "tramlet-batch: --chain-length: %d outside the range [1, %d]\n", length,
                              document.GetNumberOfCustomers() + document.GetNumberOfSuppliers() - 1);
             } else {
                 std::fprintf(stderr, "tramlet-batch: --chain-length: the project's \"%s\" is out of range\n",
                              sheet.GetFailedField().c_str());
             }
             return false;
         }});
    const std::string routes = "at least one route";
    table.Add(AlgorithmCommand("two-exchange", "Two Exchange: reverse the run between two links of a route",
                               CanExchange, routes, OnTwoExchange));
    table.Add(AlgorithmCommand(
        "three-exchange", "Three Exchange: two-exchanges, then exchanged or reversed segments of a route",
        CanExchange, routes, OnThreeExchange));
    table.Add(AlgorithmCommand("chain-exchange",
                               "Chain Exchange: move a chain of facilities within its route", CanExchange,
                               routes, OnChainExchange));
}
