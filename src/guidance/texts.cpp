// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "guidance/guidance.h"

namespace kelvo::guidance {

const std::array<std::string_view, 9> kHelpTexts = {
    KELVO_TRANSLATE_NOOP(
        "kelvo::guidance",
        "This software will help you become a better stock investor.  It is simple to navigate.  "
        "Most of the buttons require an active connection to the internet."),
    KELVO_TRANSLATE_NOOP("kelvo::guidance",
                         "They generate links about the company and call internet search engines"),
    KELVO_TRANSLATE_NOOP(
        "kelvo::guidance",
        "For more information about Value Investing, see Vantrell et al. in their book, Value "
        "Investing."),
    KELVO_TRANSLATE_NOOP(
        "kelvo::guidance",
        "They follow the tradition of Elmont Corvin's teachers, Orwin Tessel and Leontes Dravell."),
    KELVO_TRANSLATE_NOOP(
        "kelvo::guidance",
        "Intelligent Investing is based on a thorough grasp of the economic situation."),
    KELVO_TRANSLATE_NOOP("kelvo::guidance", "They put more emphasis on information about the firm "
                                            "that is solid and certain. And, their "
                                            "method is based on three components: "),
    KELVO_TRANSLATE_NOOP(
        "kelvo::guidance",
        "The Value of the Assets, the Value of the Earnings Power, and the Value of Growth."),
    KELVO_TRANSLATE_NOOP(
        "kelvo::guidance",
        "Corvin and Pradley have added the search for Moats: Sustainable Competitive Advantages."),
    KELVO_TRANSLATE_NOOP("kelvo::guidance", "This software is dedicated to my daughter with love."),
};

const std::array<std::string_view, 4> kAdvantageTexts = {
    KELVO_TRANSLATE_NOOP(
        "kelvo::guidance",
        "Competitive Advantages can include Technology, Brand Awareness, Size, and Efficiencies in "
        "the Cost of Production and Distribution."),
    KELVO_TRANSLATE_NOOP("kelvo::guidance", "Just as Marketing emphasizes an ideal mix of Product, "
                                            "Price, Place, and Promotions, a firm "
                                            "can have advantages in each of these areas."),
    KELVO_TRANSLATE_NOOP(
        "kelvo::guidance",
        "There can also be advantages in having the competition have higher ''cost-barriers'' to "
        "entry."),
    KELVO_TRANSLATE_NOOP(
        "kelvo::guidance",
        "Furthermore, the Value Investor favors efficient and trustworthy managers who do not take "
        "too much in compensation for their services."),
};

} // namespace kelvo::guidance
