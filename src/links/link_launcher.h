#pragma once
// Runs one research link: guard, compose, hand-over, yield, pause.

#include "links/link_catalogue.h"

namespace kelvo {

class Dialogs;
class Desktop;

// A link whose target is an e-mail address goes to the desktop's mail
// hand-over; every other link is a web address.
void openResearchLink(const LinkTemplate &link, const LinkInputs &inputs, Dialogs &dialogs,
                      Desktop &desktop);

} // namespace kelvo
