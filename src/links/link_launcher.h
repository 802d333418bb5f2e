#pragma once
// Runs one research link: guard, compose, hand-over, yield, pause.

#include "link_catalogue.h"

namespace kelvo {

class Dialogs;
class Desktop;

// A link without an endpoint is the maker's e-mail address and goes to the
// desktop's mail hand-over; every other link is an address.
void OpenResearchLink(const LinkTemplate &link, const LinkInputs &inputs, Dialogs &dialogs,
                      Desktop &desktop);

} // namespace kelvo
