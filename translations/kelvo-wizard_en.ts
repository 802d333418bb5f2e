<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>kelvo::app::CommandLine</name>
    <message>
        <source>The platform plugin to use, such as xcb or wayland.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where to look for platform plugins.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The platform theme to use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An additional plugin to load, such as an input device plugin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The geometry of the first window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The icon of the windows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title of the first window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings of the QML debugger.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lays out the window from right to left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restores the application from an earlier session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The X11 display to use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The geometry of the first window (X11).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title of the first window (X11).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The icon of the windows (X11).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The application&apos;s instance name in WM_CLASS (X11).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The X11 visual to use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talks to the X11 server synchronously, for debugging.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never grabs the mouse or the keyboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grabs the mouse and the keyboard even when debugging.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loads the testability plugin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The widget style, such as fusion.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A style sheet to apply.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the number of widgets left at exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignored: Qt reads it on Windows only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A training wizard for long-term stock investors.

Research addresses can be changed in link override files, read at start-up from $XDG_DATA_DIRS/kelvo-wizard/links/*.conf and then $XDG_CONFIG_HOME/kelvo-wizard/links.conf (by default ~/.config/kelvo-wizard/links.conf).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print every link control, its caption, the address it opens and whether that address is built in or from which override file, then exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A study file to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no file &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(double-click on a company of the list)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(double-click on the background of any page)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>built in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kelvo-wizard: cannot write to standard output: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kelvo-wizard needs a graphical desktop (X11 or Wayland), and none was found: start it from a desktop session.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kelvo-wizard needs a graphical desktop (X11 or Wayland), and none answered at %1: start it from a desktop session.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kelvo-wizard: %1 (see --help)
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::app::MainWindow</name>
    <message>
        <source>Picks a company at random from the directory list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens a quote page for the company selected in the list:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the profile of the company selected in the list:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the news headlines for the symbol in the symbol box:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searches business news for the symbol in the symbol box:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site in your browser:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes to the maker with your mail program:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the maker&apos;s page in your browser:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site in your browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes to the maker with your mail program</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::guidance</name>
    <message>
        <source>This software will help you become a better stock investor.  It is simple to navigate.  Most of the buttons require an active connection to the internet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>They generate links about the company and call internet search engines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For more information about Value Investing, see Vantrell et al. in their book, Value Investing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>They follow the tradition of Elmont Corvin&apos;s teachers, Orwin Tessel and Leontes Dravell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intelligent Investing is based on a thorough grasp of the economic situation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>They put more emphasis on information about the firm that is solid and certain. And, their method is based on three components: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Value of the Assets, the Value of the Earnings Power, and the Value of Growth.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvin and Pradley have added the search for Moats: Sustainable Competitive Advantages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This software is dedicated to my daughter with love.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Competitive Advantages can include Technology, Brand Awareness, Size, and Efficiencies in the Cost of Production and Distribution.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Just as Marketing emphasizes an ideal mix of Product, Price, Place, and Promotions, a firm can have advantages in each of these areas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There can also be advantages in having the competition have higher &apos;&apos;cost-barriers&apos;&apos; to entry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Furthermore, the Value Investor favors efficient and trustworthy managers who do not take too much in compensation for their services.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::links</name>
    <message>
        <source>The e-mail address could not be opened: no mail program took it. Write to this address from your mail program:

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page could not be opened: no web browser took it. Copy this address into your web browser:

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No calculator program was found. The wizard looked for %1, and for the Flatpak apps %2. Install one of them to have it start here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::platform</name>
    <message>
        <source>Kelvo Wizard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::valuation</name>
    <message>
        <source>Present/Future Value Input Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Rate and Duration are Required Input Values.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a Value for the Average Earnings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Average Earnings are too large to read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The growth rate and number of years give no finite future value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Average Earnings are too large to estimate with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the Number of Shares Outstanding.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::wizard</name>
    <message>
        <source>Kelvo Training Wizard - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelvo Training Wizard - %1 of  %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelvo Training Wizard - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelvo Training Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelvo Training Wizard </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a Stock Symbol to study: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a Stock Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the Company Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Program?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to Navigate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company  ( Understanding ) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sustainable Comp Advantages ? </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Management  ( Trust and Ability )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bargain Price / Intrinsic Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IV Estimator</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
