<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>CompanyFacts</name>
    <message>
        <source>It is not valid JSON text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a company&apos;s reported figures from the SEC.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is larger than 200 MB.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FinancialHistory</name>
    <message>
        <source>at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 filed %2, accession %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in this filing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restated: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SEC lists %1 as %2, not %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reported; each year from the first of these tags that has it: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revenue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earnings per share (diluted)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shareholders&apos; equity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shares (diluted, millions)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Book value per share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operating cash flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capital spending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free cash flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long-term debt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return on equity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return on capital</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debt / free cash flow (years)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The diluted weighted average of shares over the year; failing that, the shares outstanding on the cover of that year&apos;s annual report. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Book value per share = shareholders&apos; equity ÷ shares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free cash flow = operating cash flow − capital spending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return on equity = net income ÷ shareholders&apos; equity at the year&apos;s end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return on capital = net income ÷ (shareholders&apos; equity + long-term debt) at the year&apos;s end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debt / free cash flow = long-term debt ÷ free cash flow, only when free cash flow is positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amounts in millions, except per-share figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amounts in %1 millions, except per-share figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot be computed: no figure for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot be computed: the figure for %1 is negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot be computed: the figure for %1 is zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All years (%1 to %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot be computed: needs two years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot be computed: the figures are out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compound annual growth from %1 (%2) to %3 (%4), over %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot be computed: no years shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot be computed: the years shown begin with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot be computed: no figures for FY%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reported per share class, with no total for all classes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not reported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not shown: one filing reports several values for this year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjusted for splits; as filed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot be computed: the share count is not positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot be computed: shareholders&apos; equity is not positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot be computed: shareholders&apos; equity plus long-term debt is not positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot be computed: free cash flow is not positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot be computed: the shares are reported per share class, with no total for all classes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shares are reported per share class, with no total for all classes, in %1: book value per share is not computed for those years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The company&apos;s annual reports give none of the figures of this table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the first %1 facts of %2 were read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 millions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 per share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>millions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Figure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (CIK %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2, filed %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No annual figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: shareholders&apos; equity ÷ shares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compound annual growth of %1 from %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower of the compound annual growth rates from %1 to %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neither earnings per share nor book value per share is positive at both ends of any span of up to %1 years ending with the newest year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Needs at least two years of figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>revenue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>net income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>earnings per share (diluted)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shareholders&apos; equity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shares (diluted, millions)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>book value per share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>operating cash flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>capital spending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>free cash flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>long-term debt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>return on equity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>return on capital</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>debt / free cash flow (years)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoveryCopy</name>
    <message>
        <source>The recovery copy of the notes could not be written to “%1”: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder could not be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its lock could not be taken</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Splits</name>
    <message>
        <source>Possible %1-for-%2 split between %3 and %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Possible %1-for-%2 reverse split between %3 and %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: earlier per-share figures are adjusted for it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: earlier per-share figures are as filed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StudyExport</name>
    <message>
        <source>not yet saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company Study</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company Study: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begun: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value per share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Margin of safety</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buy below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Competitive Advantages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bargain Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No notes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valuation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No valuation was taken from the workbench.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The study could not be exported as “%1”: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, CIK %2, reported to the SEC, downloaded %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; earlier years adjusted for splits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reported figures</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StudyFile</name>
    <message>
        <source>The file is not a Kelvo study.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” could not be opened. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is larger than %1 KiB, far more than any study needs, so it is not a study.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The study could not be saved as “%1”: its notes are longer than a study file may be (%2 KiB). Please shorten them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The study could not be saved as “%1”: the folder “%2” could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The study could not be saved as “%1”: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The study was saved by a newer version of Kelvo Training Wizard in format version %1, and this version reads format version %2 only. Please update the program to open it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The study is damaged: its field “%1” does not hold what a study keeps there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The study could not be saved as “%1”: the file is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The study is damaged: its contents are not valid JSON text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The study is damaged: the file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The study is damaged: the file ends too early, as if it was cut short.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The study could not be saved as “%1”: the folder “%2” cannot be written in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder “%1” cannot be written in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The study is damaged: it names no format version this program knows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is open in the Study Notebook, here or in another copy of Kelvo Wizard. Close it there first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please type a name for the study&apos;s file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file name cannot contain “/”. Please choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file name that begins with “.” is hidden. Please choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” already exists in this folder. Please choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” could not be renamed: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” could not be moved to the trash: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” could not be moved to the trash: the desktop has no trash folder here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SymbolList</name>
    <message>
        <source>It is not the SEC&apos;s list of symbols.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SEC&apos;s list of symbols lists no company.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is larger than 200 MB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not valid JSON text.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>Undecided</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undecided</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undecided.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buy below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buy b&amp;elow a price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buy below %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pa&amp;ss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pass.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buy below a price not yet set.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WizardChecks</name>
    <message>
        <source>the last %1 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the one year shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 years shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return on capital of at least %1 in every one of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>below %1 in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no figure for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no years shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lowest %1 in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Growth of at least %1 a year in each of revenue, earnings per share, book value per share and free cash flow over %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>below %1 a year: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no growth rate for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every one at least %1 a year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long-term debt repayable from at most %1 years of free cash flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 long-term debt: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 free cash flow: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 debt / free cash flow: %2 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no long-term debt in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 years of free cash flow in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>free cash flow in %1 is not positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no figure for long-term debt in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no figure for free cash flow in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>passed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot tell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::app::BargainPricePage</name>
    <message>
        <source>Valuation Workbench…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valuation Workbench</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the Valuation Workbench with the calculator page&apos;s figures. Shortcut: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::app::ChecksPanel</name>
    <message>
        <source>Lowest return on capital</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowest growth a year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most years of free cash flow to repay the debt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Years checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tests look at the last this many years, or at all years shown when there are fewer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return on capital at &amp;least:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Growth at least, a year:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Debt repayable from at most:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Years checked:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
    <message>
        <source>A training wizard for long-term stock investors.

Research addresses can be changed in link override files, read at start-up from kelvo-wizard/links/*.conf in $XDG_DATA_HOME and $XDG_DATA_DIRS, then kelvo-wizard/links.conf in $XDG_CONFIG_DIRS and last in $XDG_CONFIG_HOME (by default ~/.config/kelvo-wizard/links.conf), a later file winning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The argument&apos;s name in the list of arguments; &quot;[file]&quot; in the usage line.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[file]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::app::CompanyPart</name>
    <message>
        <source>Company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Symbol:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company &amp;name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begun:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last saved:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not saved yet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::app::DownloadBar</name>
    <message>
        <source>&amp;Download from the SEC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open a downloaded file…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contact e-mail:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact e-mail (sent to the SEC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SEC asks every program that downloads its data to name a contact. Your e-mail is sent to the SEC with each request, and nowhere else; it is kept in your settings for the next time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gets the SEC&apos;s list of symbols and this company&apos;s reported figures. Copies downloaded lately are used without asking again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads a company&apos;s facts (CIK##########.json) that you saved from the SEC&apos;s site in a browser.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 so far</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::app::FinancialHistoryHelp</name>
    <message>
        <source>Financial History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The figures are those the company reported in its annual reports to the U.S. Securities and Exchange Commission (SEC), from the SEC&apos;s free company facts. They are downloaded only when you press “Download from the SEC”: first the SEC&apos;s list of symbols (kept for up to 7 days), then the company&apos;s facts (kept for a day, then asked about again). Each request names this program and the contact e-mail you type, as the SEC asks of every program; the e-mail is sent to the SEC and nowhere else. “Open a downloaded file…” reads company facts you saved from a browser, without any network.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rest the pointer on a cell (or read its description) to see the tag, period, form, filing date and accession number it comes from, or why it is empty. A figure in italics was restated: a later report gave another value. Companies&apos; stock splits are not adjusted in the filings; where one seems to have happened, the window says so, and “Adjust earlier years for splits” makes the per-share figures comparable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The downloaded documents are kept in %1. The contact e-mail is kept in %2. “Export as CSV…” writes only where you choose.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::app::FinancialHistoryWindow</name>
    <message>
        <source>Financial History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Adjust earlier years for splits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplies the share counts of the years before a possible split by its ratio, and divides their per-share figures by it, so that the years compare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Financial history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G&amp;rowth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wizard&apos;s &amp;tests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use in &amp;Workbench</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the Valuation Workbench with earnings per share and book value per share of the newest year, and the lower of their growth rates. The price stays yours to type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take into &amp;Study</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stores the table as shown, with where it comes from, in the study that is open in the Study Notebook.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puts the table on the clipboard as text, with tabs between the columns.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export as CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the table in a file a spreadsheet opens: plain numbers, amounts in millions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What this window shows, and where the figures come from. Shortcut: F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Financial History - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These are the figures of %1 (CIK %2), not of %3, the company chosen in the wizard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. No figures are shown until you confirm that you want this company&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the figures of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Financial History Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a Downloaded File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company facts (*.json);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table could not be written to “%1”: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::app::GrowthTable</name>
    <message>
        <source>Growth</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::app::HistoryChart</name>
    <message>
        <source>%1 millions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 per share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Millions of shares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart of the selected row across the years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No figures to draw yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fiscal year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: fewer than two years have a figure to draw.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::app::HistoryHeader</name>
    <message>
        <source>A company without a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CIK %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>symbol %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fiscal year ending %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>currency %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Figures reported in annual reports to the SEC, from the file “%1”, saved %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Figures reported in annual reports to the SEC, downloaded %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No company chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No figures of %1 yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type your contact e-mail and press “Download from the SEC”, or open a company&apos;s facts that you saved from the SEC&apos;s site.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::app::HistoryLoader</name>
    <message>
        <source>It holds the figures of %1 (CIK %2), not of the company with CIK %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a company in the wizard first: there is no symbol to look up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The contact could not be kept in “%1”, so it is used for this download only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting the SEC&apos;s list of symbols…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting the figures of CIK %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another download is still running: wait for it to end, or cancel it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No figures of %1 are kept on this computer yet: press “Download from the SEC” to get them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The figures shown are the copy downloaded %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::app::HistoryModel</name>
    <message>
        <source>Fiscal year ending %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::app::KeyboardShortcutsWindow</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keys of every window of Kelvo Wizard. Alt with an underlined letter presses that button or goes to that box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Shortcuts lists the keys of every window of the program, read from the windows each time this list opens: the keys that work in every window first, then each window&apos;s own.

In the wizard, Shift+F10 or the Menu key opens the menu of the control in focus, or the program&apos;s menu. In the web browser the wizard hands a page to, F11 switches full screen on and off.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::app::LinkCaption</name>
    <message>
        <source>The directory list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The background of a page</source>
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
        <source>Opens the maker&apos;s web site in your browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes to the maker with your mail program</source>
        <translation type="unfinished"></translation>
    </message>
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
        <source>The growth rate and number of years give no finite future value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Kelvo Training Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some features of this program require a connection to the internet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends the program after asking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This wizard-based program will help you become a better long term &quot;Intrinsic Value Investor.&quot;  It is based upon the filter ideas of Elmont Corvin and Brennic Pradley.  In my view, we can optimize our &quot;investment decision making&quot; by studying their rational and focused approach.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>o n l i n e   t o o l s  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the maker&apos;s online tools page in full screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picks a random company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Google Finance page of the company selected in the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yahoo! Finance profile of the company selected in the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look up symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stock symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empties the symbol and company name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Headlines for the symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BusinessWeek search for the symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S.E.C. Filings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Competitors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Financial Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search the web for discussions on the firm&apos;s &quot;Enduring Competitive Advantages.&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What are Competitive Advantages?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trustworthy and Able Managers ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R.O.E. and R.O.A. Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvin letters and ideas on management in general.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bargain Price gives us a &quot;Margin of Safety.&quot;  View Tessel-Corvin Resources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intrinsic Value Estimator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intrinsic Value Est. at Quicken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marvane Partners, LLC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Markets and News</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NYT DealBook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BRK Discussion Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Est. Growth Rate Above Discount Rate in Yearly %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empties the earnings, future value and shares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Periods Years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avg. Earnings (3-yr.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Est. Future Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Shares Outstanding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimate the Intrinsic Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated intrinsic value per share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch Calculator and Financials Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessel&apos;s 10th Lecture: Intelligent Speculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the maker&apos;s page in your browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes to this step. Shortcut: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows how to use the wizard. Shortcut: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:
%2</source>
        <extracomment>A link&apos;s tooltip: what it does, then the address a click opens now.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to step %1, “%2”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Context menu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::app::NotesPart</name>
    <message>
        <source>The &amp;company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What does the company sell, to whom, and how does it make its money? Will you still understand its business in ten years?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Competitive &amp;advantages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Competitive advantages notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What keeps competitors from taking its customers or its margins? How long has that advantage lasted, and what could end it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Management notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are the managers trustworthy and able? Do they treat shareholders as partners, and do they pay themselves fairly?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bargain price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bargain price notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is the business worth by the methods of the Valuation Workbench? Is today&apos;s price far enough below that to leave a margin of safety?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::app::ProgramWindows</name>
    <message>
        <source>Program menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Studies…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valuation Workbench…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Research Links…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Study</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Study…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Studies Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the browser, after “%1”: full screen on and off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Research Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valuation Workbench</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Study Notebook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Studies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Research Links Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valuation Workbench Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Study Notebook Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Studies Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Shortcuts Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Financial History…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Financial History</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::app::ResearchLinksWindow</name>
    <message>
        <source>Research Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use today&apos;s addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Many sites have retired the addresses the wizard was built with. Today&apos;s set replaces them with addresses that work now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Links, by the wizard&apos;s steps:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Template:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the template into your links.conf; the wizard uses it at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes your own row for this link from your links.conf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Problems in link files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problems in link files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No problems were found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This template is refused: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the template in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This template is accepted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the template in the box, saved or not, as the control would, for the chosen company.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Research Links shows every research button and link of the wizard, the address it opens now for the wizard&apos;s company, and where that address comes from: built in, today&apos;s addresses, a packager&apos;s file or your own.

In a template, {symbol} stands for the symbol box, {name} for the company&apos;s name, {listsymbol} for the symbol of the row chosen in the list and {yahoosymbol} for the symbol as Yahoo writes it (BRK-B).

Save writes the template of the selected link into your own file, which wins over every other; Reset takes your row out of it again. Your file is:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::app::SensitivityTable</name>
    <message>
        <source>Sensitivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Growth %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Growth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The price is at or below the buy-below price of this value.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::app::ShortcutList</name>
    <message>
        <source>%1 menu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::app::StudiesWindow</name>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Studies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buy-below price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved studies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the selected study in the Study Notebook.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no studies in %1 yet. Studies you save in the Study Notebook are listed here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Studies in %1: %2. Double-click one, or select it and press Return, to open it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a study</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>newer version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads the studies folder again. Shortcut: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Studies in %1: %2. Files that cannot be opened: %3. Double-click one, or select it and press Return, to open it or to learn why it cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The studies folder %1 does not exist yet. It is made when you save your first study.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Studies &amp;Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the studies folder in the file manager.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;name…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New name for “%1”:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Study</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move “%1” to the trash? You can restore it from there with the file manager.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Studies lists the studies in your studies folder, newest first, with each company&apos;s verdict and buy-below price. It follows the folder while it is open. Return or a double-click opens a study in the Study Notebook; F2 renames its file (the study&apos;s company stays the same) and Delete moves it to the desktop&apos;s trash, from where the file manager can restore it.

The studies folder is:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::app::StudyNotebook</name>
    <message>
        <source>Studies (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Study</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Study…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as P&amp;DF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as Mar&amp;kdown…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tudies…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Study Notebook - %1[*]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This study has changes that are not saved. Do you want to save them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The study of %1 has changes that are not saved. Do you want to save them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Study Notebook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Study</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelvo Wizard found notes that were not saved when it last ended (%1, %2). Recover them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Study</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Valuation Workbench has no figures yet. Work out a value there first, then take its figures again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Study</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as Markdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Markdown (*.md)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Study Notebook - %1 (read-only)[*]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is open in another copy of Kelvo Wizard. Save the study under another name, or close it there first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is in the folder of the recovery copies, which the program empties by itself. Please choose another folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is the study shown here: an export would replace its notes. Please choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is already open in another copy of Kelvo Wizard. Open it read-only, or not at all?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Read-Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The study file was changed by another program since it was opened. Overwrite it, save as another file, or cancel?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Study Notebook keeps your study of one company: your notes on the checklist&apos;s steps, the valuation you take from the workbench, and your verdict.

A study is written only when you save it, as one file; new studies go into:
%1

While a study has unsaved changes, a recovery copy is kept in:
%2
If the program ends before you save, it offers the notes back at the next start. The File menu also prints the study and exports it as PDF or Markdown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The figures of %1 were taken into the study.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::app::StudyPage</name>
    <message>
        <source>Another copy of Kelvo Wizard has this study open, so it is read-only here: Save keeps your changes in another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read-only notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Study of %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Study of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Study of a company not named yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reported figures of %1 (CIK %2), %3 to %4, downloaded %5: printed with the study.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::app::ValuationChart</name>
    <message>
        <source>Chart of value per share against the growth rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a growth rate to see how the values follow it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No method has a value for these inputs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Growth rate (% a year)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value per share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1T</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1M</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::app::ValuationPart</name>
    <message>
        <source>Valuation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valuation inputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valuation results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Take from Workbench</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies the Valuation Workbench&apos;s inputs and results into this study.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no Valuation Workbench in this program to take from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The figures as the Valuation Workbench showed them:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No figures yet: take them from the Valuation Workbench.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No figures: there is no Valuation Workbench to take them from.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::app::ValuationWorkbench</name>
    <message>
        <source>Earnings per share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Growth rate (% a year)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Years of growth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount rate (% a year)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Growth after that (% a year)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Book value per share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AAA bond yield (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Margin of safety (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wizard&apos;s estimate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E × (1 + g − r)^n: the IV Estimator page compounds at the growth above the discount rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graham formula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E × (8.5 + 2g) × 4.4 / Y: Graham&apos;s price for growth, scaled by today&apos;s bond yield.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graham number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>√(22.5 × E × B): at most 15 times earnings and 1.5 times book value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discounted earnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n years of earnings growing at g, then at t for ever, all discounted at r.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earnings power value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E / r: today&apos;s earnings for ever, with no growth, discounted at r.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valuation Workbench</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value per share against the growth rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puts the inputs and results on the clipboard as plain text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value per share by method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 margin of safety</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 buy below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How sensitive it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discounted earnings per share: discount rate down, growth rate across. Shaded: the price is at or below the buy-below price.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Margin of safety: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Buy below: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e.g. 3.20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Take from IV Estimator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Takes earnings per share, growth rate and years from the IV Estimator page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>company name (symbol)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use a point for decimals: 3.20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs earnings per share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs positive earnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs a growth rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs a growth rate from -100% to 1,000%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs years of growth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs years from 0 to 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs whole years from 1 to 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs a discount rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs a discount rate from 0 to 1,000%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs a positive discount rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs the growth after that</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs the growth after that from -100% to 1,000%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs a discount rate above the growth after that</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs a positive book value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs a positive bond yield</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs a positive price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs a margin of safety</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs a margin from 0 to 100%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none: the value is $0.00 or less</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not defined for these inputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too large to show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a growth rate to see how the values follow it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart %1.</source>
        <extracomment>The chart needs a growth rate from -100% to 1,000%.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Valuation Workbench sets the wizard&apos;s estimate beside four other ways of valuing a share, from the same figures. Every result follows the boxes as you type; a method that lacks a figure says which.

E is earnings per share, g the growth rate, n the years of growth, r the discount rate, t the growth after those years, B the book value per share and Y the yield of AAA bonds.
• Wizard&apos;s estimate: E × (1 + g − r)^n, as the IV Estimator page computes it.
• Graham formula: E × (8.5 + 2g) × 4.4 / Y.
• Graham number: √(22.5 × E × B).
• Discounted earnings: n years of earnings growing at g, then growing at t for ever, all discounted at r.
• Earnings power value: E / r.

Each value V has its buy-below price, V × (1 − m) for the margin of safety m, and with the current price P its own margin, (V − P) / V. The table shows the discounted earnings at discount rates around r and growth rates around g; the chart draws every method over growth rates around g.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take from &amp;Financial History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Takes earnings per share and book value per share of the newest year, and the growth rate, from the company&apos;s reported figures. The price stays yours to type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was left as it was: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From Financial History: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In %1, not US dollars.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::app::VerdictPart</name>
    <message>
        <source>Verdict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buy-below price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For example $42.50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reasoning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why, in one line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bu&amp;y-below price:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reasoning:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::filings::DownloadedFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::filings::FiguresCache</name>
    <message>
        <source>the folder “%1” could not be created</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::filings::SecDocuments</name>
    <message>
        <source>It is not valid JSON text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not the SEC&apos;s list of symbols.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a company&apos;s figures (company facts) from the SEC.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It holds the figures of the company with CIK %1, not of CIK %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::filings::SecErrors</name>
    <message>
        <source>The SEC answered the request for its list of symbols with HTTP status %1, which this program does not expect. Try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SEC answered the request for the company&apos;s figures with HTTP status %1, which this program does not expect. Try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SEC&apos;s list of symbols is damaged. %1 Try the download again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The company&apos;s figures are damaged or are not the SEC&apos;s company facts. %1 Download them again, or open another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type your e-mail address as the contact first, such as name@example.com. The SEC asks every program that downloads its data to name a contact, and refuses those that do not.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address “%1” in KELVO_SEC_BASE_URL is refused: only https addresses, or plain http to 127.0.0.1 or localhost, are used. Correct the variable or remove it, and start the program again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not a company number (CIK) of the SEC. Look the company up again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SEC refused the download (HTTP 403). Check that the contact e-mail is your own working address. After many requests in a short time the SEC refuses all of them for a while: wait ten minutes, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SEC has no reported figures for this company. Funds, trusts and some foreign companies file none in this form.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SEC is busy and did not answer (HTTP %1). Try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download timed out: the SEC sent nothing for %1 seconds. Check the network connection and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SEC&apos;s server “%1” could not be found: the computer seems to have no network connection. Check the connection and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SEC&apos;s server “%1” refused the connection. Try again later, and check any firewall or proxy that may block it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network is unreachable, so the SEC could not be asked. Check the computer&apos;s network connection and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download from the SEC failed: %1. Check the network connection and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SEC&apos;s server sent the request on to “%1”, which this program does not follow: it sends your contact e-mail only to the SEC, and only over https. Try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection was closed before the whole file had arrived. Try the download again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is too large: it is over %1 MB, far more than the SEC&apos;s documents need, so it was not read. Try again later, or open another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SEC&apos;s list of symbols has no “%1”. The company may have been renamed, bought or delisted, or its symbol changed: look it up in the SEC&apos;s company search (EDGAR), or choose another company.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be read: %1. Choose another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The figures could not be kept for the next time (%1), so they will be downloaded again.</source>
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
    <name>kelvo::handover</name>
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
    <message>
        <source>The folder could not be shown: no file manager took it. Open this folder in your file manager:

%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::links::LinkDescriptions</name>
    <message>
        <source>Opens the maker&apos;s web site in your browser.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes to the maker with your mail program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens a financial report of the company.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looks up the company&apos;s symbol by its name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the company&apos;s filings with the U.S. Securities and Exchange Commission.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the company&apos;s competitors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens a quote page for the company.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the company&apos;s profile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the news headlines about the company.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searches business news for the company.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A double-click on a company of the list opens a comparison with its competitors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the maker&apos;s online tools and asks the browser for its full screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Explains competitive advantages, then searches the Berkshire Hathaway web site for them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searches the web for discussions of the company&apos;s competitive advantages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searches the web for the company&apos;s management, competition and legal matters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the company&apos;s return on equity and return on assets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searches the Berkshire Hathaway web site for writing on management.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens reading on the margin of safety.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens an online intrinsic value estimator.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens an estimate of the company&apos;s intrinsic value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the maker&apos;s online tools.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens an overview of the markets and their news.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the maker&apos;s page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the New York Times DealBook.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens a discussion group of Berkshire Hathaway shareholders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the lecture &quot;Intelligent Speculation&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the company&apos;s key statistics, then starts the calculator.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A double-click on the background of a page opens the company&apos;s return on equity and return on assets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the maker&apos;s page in your browser.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Competitive Advantages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bargain Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intrinsic Value Estimator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It reads the symbol box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It reads the symbol box, written the way Yahoo Finance writes symbols.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It reads the company name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It reads the first seven characters of the company name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It reads the symbol of the company selected in the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>built in, retired by its site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>built in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>today&apos;s set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A click writes to %1 now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A click opens %1 now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The site has retired this address: Research Links (Ctrl+L) can switch to today&apos;s address.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelvo::links::LinkFile</name>
    <message>
        <source>%1 is on or off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a plain e-mail address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>guard is symbol or name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>style is owned or plain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pause is a number of milliseconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>before is advantage-texts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>after is calculator or full-screen-key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>after-pause is a number of milliseconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the group is there twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the group has no address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown setting %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown control %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>larger than 1 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line longer than %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not valid UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the group line has no closing &quot;]&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the group line names no control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>neither a [control] line, a key=value line nor a &quot;#&quot; comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a value without a key before its &quot;=&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 outside any [control] group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the address is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a control character in the address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only http and https addresses are accepted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a placeholder cannot stand in the host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the host must be a plain host name, with an optional port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;{&quot; without a closing &quot;}&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown placeholder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a valid address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[settings] is read from the user&apos;s own links.conf only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text cannot hold a line break or another control character.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a regular file, so nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is larger than 1 MiB, so it was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read, so it was left as it is: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be created, so nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written, so it was left as it is: %2</source>
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
    <name>kelvo::platform::QtDialogs</name>
    <message>
        <source>Recover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard</source>
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
    <name>kelvo::widgets::WindowPattern</name>
    <message>
        <source>&amp;Close</source>
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
