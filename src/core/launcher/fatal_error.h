#pragma once

#include <string>

namespace vantrel {

class Ui;

// The box of a failed start of the product: "Schwerer Programmfehler", the
// message and the request to contact the maker. Returns when it is closed.
void fatalError(Ui& ui, const std::string& message);

// Starts the product from [PRODUCT] path and toStart with the pass-through
// parameters, when the run may; a failed start is told through fatalError.
struct Run;
void startProduct(Run& run);

}  // namespace vantrel
