# SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
# SPDX-License-Identifier: GPL-3.0-or-later

# The web sites the research buttons point to are configuration of the build,
# written into one generated header (links/hosts.h).
set(KELVO_HOST_GOOGLE        "www.google.com"            CACHE STRING "Google web search host")
set(KELVO_HOST_GOOGLE_FINANCE "www.google.com"           CACHE STRING "Google Finance host")
set(KELVO_HOST_YAHOO_FINANCE "finance.yahoo.com"         CACHE STRING "Yahoo! Finance host")
set(KELVO_HOST_SEC           "www.sec.gov"               CACHE STRING "SEC EDGAR host")
set(KELVO_HOST_SEC_DATA      "data.sec.gov"              CACHE STRING "Host of the SEC's company facts (XBRL) data")
set(KELVO_HOST_MSN_MONEY     "moneycentral.msn.com"      CACHE STRING "MSN Money host")
set(KELVO_HOST_BUSINESSWEEK  "search.businessweek.com"   CACHE STRING "BusinessWeek search host")
set(KELVO_HOST_QUICKEN       "www.quicken.com"           CACHE STRING "Quicken host")
set(KELVO_HOST_ADVFN         "www.advfn.com"             CACHE STRING "ADVFN host")
set(KELVO_HOST_CLEARSTATION  "www.clearstation.com"      CACHE STRING "ClearStation host")
set(KELVO_HOST_VALUEPRO      "www.valuepro.net"          CACHE STRING "ValuePro host")
set(KELVO_HOST_FINANCIAL_SENSE "www.financialsense.com"  CACHE STRING "Financial Sense host")
set(KELVO_HOST_WILEY         "www.wiley.com"             CACHE STRING "Wiley host")
set(KELVO_WILEY_LECTURE_PATH "0471111111/lecture10.htm"  CACHE STRING "Last two path segments of the lecture page on the Wiley site")
set(KELVO_HOST_DEALBOOK      "dealbook.nytimes.com"      CACHE STRING "New York Times DealBook host")
set(KELVO_HOST_MSN_GROUPS    "groups.msn.com"            CACHE STRING "MSN Groups host")
set(KELVO_BERKSHIRE_ADDRESS  "http://www.berkshirehathaway.com" CACHE STRING "Berkshire Hathaway web site address used in the site searches")
set(KELVO_HOST_MAKER         "www.marvane.example"       CACHE STRING "The maker's web site host")
set(KELVO_MAKER_EMAIL        "info@marvane.example"      CACHE STRING "The maker's contact e-mail address")

# The values land in C++ string literals and in addresses handed to the
# desktop: refuse anything that could break out of either.
foreach(_kelvo_host_var
    KELVO_HOST_GOOGLE KELVO_HOST_GOOGLE_FINANCE KELVO_HOST_YAHOO_FINANCE KELVO_HOST_SEC KELVO_HOST_SEC_DATA
    KELVO_HOST_MSN_MONEY KELVO_HOST_BUSINESSWEEK KELVO_HOST_QUICKEN KELVO_HOST_ADVFN
    KELVO_HOST_CLEARSTATION KELVO_HOST_VALUEPRO KELVO_HOST_FINANCIAL_SENSE KELVO_HOST_WILEY
    KELVO_HOST_DEALBOOK KELVO_HOST_MSN_GROUPS KELVO_HOST_MAKER)
  if(NOT ${_kelvo_host_var} MATCHES "^[A-Za-z0-9.-]+(:[0-9]+)?$")
    message(FATAL_ERROR "${_kelvo_host_var} must be a bare host name, got '${${_kelvo_host_var}}'")
  endif()
endforeach()
if(NOT KELVO_WILEY_LECTURE_PATH MATCHES "^[A-Za-z0-9._~-]+/[A-Za-z0-9._~-]+$")
  message(FATAL_ERROR "KELVO_WILEY_LECTURE_PATH must be two path segments, got '${KELVO_WILEY_LECTURE_PATH}'")
endif()
if(NOT KELVO_BERKSHIRE_ADDRESS MATCHES "^http://[A-Za-z0-9.-]+$")
  message(FATAL_ERROR "KELVO_BERKSHIRE_ADDRESS must be http:// and a host, got '${KELVO_BERKSHIRE_ADDRESS}'")
endif()
if(NOT KELVO_MAKER_EMAIL MATCHES "^[A-Za-z0-9._+-]+@[A-Za-z0-9.-]+$")
  message(FATAL_ERROR "KELVO_MAKER_EMAIL must be a plain e-mail address, got '${KELVO_MAKER_EMAIL}'")
endif()
