// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "guidance/guidance.h"

namespace kelvo::guidance {

const std::array<std::string_view, 9> kHelpTexts = {
    "This software will help you become a better stock investor.  It is simple to navigate.  "
    "Most of the buttons require an active connection to the internet.",
    "They generate links about the company and call internet search engines",
    "For more information about Value Investing, see Vantrell et al. in their book, Value "
    "Investing.",
    "They follow the tradition of Elmont Corvin's teachers, Orwin Tessel and Leontes Dravell.",
    "Intelligent Investing is based on a thorough grasp of the economic situation.",
    "They put more emphasis on information about the firm that is solid and certain. And, their "
    "method is based on three components: ",
    "The Value of the Assets, the Value of the Earnings Power, and the Value of Growth.",
    "Corvin and Pradley have added the search for Moats: Sustainable Competitive Advantages.",
    "This software is dedicated to my daughter with love.",
};

const std::array<std::string_view, 4> kAdvantageTexts = {
    "Competitive Advantages can include Technology, Brand Awareness, Size, and Efficiencies in "
    "the Cost of Production and Distribution.",
    "Just as Marketing emphasizes an ideal mix of Product, Price, Place, and Promotions, a firm "
    "can have advantages in each of these areas.",
    "There can also be advantages in having the competition have higher ''cost-barriers'' to "
    "entry.",
    "Furthermore, the Value Investor favors efficient and trustworthy managers who do not take "
    "too much in compensation for their services.",
};

} // namespace kelvo::guidance
