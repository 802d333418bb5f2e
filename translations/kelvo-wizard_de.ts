<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CompanyFacts</name>
    <message>
        <source>It is not valid JSON text.</source>
        <translation>Der Inhalt ist kein gültiger JSON-Text.</translation>
    </message>
    <message>
        <source>It is not a company&apos;s reported figures from the SEC.</source>
        <translation>Es sind keine von der SEC veröffentlichten Unternehmenszahlen.</translation>
    </message>
    <message>
        <source>It is larger than 200 MB.</source>
        <translation>Sie ist größer als 200 MB.</translation>
    </message>
</context>
<context>
    <name>FinancialHistory</name>
    <message>
        <source>at %1</source>
        <translation>am %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 filed %2, accession %3</source>
        <translation>%1, eingereicht am %2, Aktenzeichen %3</translation>
    </message>
    <message>
        <source>%1 in this filing</source>
        <translation>%1 in diesem Bericht</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>Restated: %1</source>
        <translation>Nachträglich geändert: %1</translation>
    </message>
    <message>
        <source>The SEC lists %1 as %2, not %3</source>
        <translation>Die SEC führt %1 als %2, nicht als %3</translation>
    </message>
    <message>
        <source>Reported; each year from the first of these tags that has it: %1</source>
        <translation>Berichtet; jedes Jahr aus dem ersten dieser Tags, das es enthält: %1</translation>
    </message>
    <message>
        <source>Revenue</source>
        <translation>Umsatz</translation>
    </message>
    <message>
        <source>Net income</source>
        <translation>Jahresüberschuss</translation>
    </message>
    <message>
        <source>Earnings per share (diluted)</source>
        <translation>Gewinn je Aktie (verwässert)</translation>
    </message>
    <message>
        <source>Shareholders&apos; equity</source>
        <translation>Eigenkapital</translation>
    </message>
    <message>
        <source>Shares (diluted, millions)</source>
        <translation>Aktien (verwässert, Millionen)</translation>
    </message>
    <message>
        <source>Book value per share</source>
        <translation>Buchwert je Aktie</translation>
    </message>
    <message>
        <source>Operating cash flow</source>
        <translation>Operativer Cashflow</translation>
    </message>
    <message>
        <source>Capital spending</source>
        <translation>Investitionsausgaben</translation>
    </message>
    <message>
        <source>Free cash flow</source>
        <translation>Freier Cashflow</translation>
    </message>
    <message>
        <source>Long-term debt</source>
        <translation>Langfristige Schulden</translation>
    </message>
    <message>
        <source>Return on equity</source>
        <translation>Eigenkapitalrendite</translation>
    </message>
    <message>
        <source>Return on capital</source>
        <translation>Kapitalrendite</translation>
    </message>
    <message>
        <source>Debt / free cash flow (years)</source>
        <translation>Schulden / freier Cashflow (Jahre)</translation>
    </message>
    <message>
        <source>The diluted weighted average of shares over the year; failing that, the shares outstanding on the cover of that year&apos;s annual report. %1</source>
        <translation>Der verwässerte gewichtete Durchschnitt der Aktien über das Jahr; fehlt er, die auf dem Deckblatt des Jahresberichts genannten ausstehenden Aktien. %1</translation>
    </message>
    <message>
        <source>Book value per share = shareholders&apos; equity ÷ shares</source>
        <translation>Buchwert je Aktie = Eigenkapital ÷ Aktien</translation>
    </message>
    <message>
        <source>Free cash flow = operating cash flow − capital spending</source>
        <translation>Freier Cashflow = operativer Cashflow − Investitionsausgaben</translation>
    </message>
    <message>
        <source>Return on equity = net income ÷ shareholders&apos; equity at the year&apos;s end</source>
        <translation>Eigenkapitalrendite = Jahresüberschuss ÷ Eigenkapital am Jahresende</translation>
    </message>
    <message>
        <source>Return on capital = net income ÷ (shareholders&apos; equity + long-term debt) at the year&apos;s end</source>
        <translation>Kapitalrendite = Jahresüberschuss ÷ (Eigenkapital + langfristige Schulden) am Jahresende</translation>
    </message>
    <message>
        <source>Debt / free cash flow = long-term debt ÷ free cash flow, only when free cash flow is positive</source>
        <translation>Schulden / freier Cashflow = langfristige Schulden ÷ freier Cashflow, nur wenn der freie Cashflow positiv ist</translation>
    </message>
    <message>
        <source>Amounts in millions, except per-share figures</source>
        <translation>Beträge in Millionen, außer Werten je Aktie</translation>
    </message>
    <message>
        <source>Amounts in %1 millions, except per-share figures</source>
        <translation>Beträge in Millionen %1, außer Werten je Aktie</translation>
    </message>
    <message>
        <source>Cannot be computed: no figure for %1</source>
        <translation>Nicht berechenbar: kein Wert für %1</translation>
    </message>
    <message>
        <source>Cannot be computed: the figure for %1 is negative</source>
        <translation>Nicht berechenbar: der Wert für %1 ist negativ</translation>
    </message>
    <message>
        <source>Cannot be computed: the figure for %1 is zero</source>
        <translation>Nicht berechenbar: der Wert für %1 ist null</translation>
    </message>
    <message>
        <source>All years</source>
        <translation>Alle Jahre</translation>
    </message>
    <message>
        <source>All years (%1 to %2)</source>
        <translation>Alle Jahre (%1 bis %2)</translation>
    </message>
    <message>
        <source>1 year</source>
        <translation>1 Jahr</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 Jahre</translation>
    </message>
    <message>
        <source>Cannot be computed: needs two years</source>
        <translation>Nicht berechenbar: braucht zwei Jahre</translation>
    </message>
    <message>
        <source>Cannot be computed: the figures are out of range</source>
        <translation>Nicht berechenbar: die Werte liegen außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <source>Compound annual growth from %1 (%2) to %3 (%4), over %5</source>
        <translation>Durchschnittliches jährliches Wachstum von %1 (%2) bis %3 (%4), über %5</translation>
    </message>
    <message>
        <source>Cannot be computed: no years shown</source>
        <translation>Nicht berechenbar: keine Jahre angezeigt</translation>
    </message>
    <message>
        <source>Cannot be computed: the years shown begin with %1</source>
        <translation>Nicht berechenbar: die angezeigten Jahre beginnen mit %1</translation>
    </message>
    <message>
        <source>Cannot be computed: no figures for FY%1</source>
        <translation>Nicht berechenbar: keine Werte für GJ%1</translation>
    </message>
    <message>
        <source>Reported per share class, with no total for all classes</source>
        <translation>Je Aktiengattung berichtet, ohne Summe über alle Gattungen</translation>
    </message>
    <message>
        <source>Not reported</source>
        <translation>Nicht berichtet</translation>
    </message>
    <message>
        <source>Not shown: one filing reports several values for this year</source>
        <translation>Nicht angezeigt: ein Bericht nennt mehrere Werte für dieses Jahr</translation>
    </message>
    <message>
        <source>Adjusted for splits; as filed: %1</source>
        <translation>Um Aktiensplits bereinigt; wie berichtet: %1</translation>
    </message>
    <message>
        <source>Cannot be computed: the share count is not positive</source>
        <translation>Nicht berechenbar: die Aktienzahl ist nicht positiv</translation>
    </message>
    <message>
        <source>Cannot be computed: shareholders&apos; equity is not positive</source>
        <translation>Nicht berechenbar: das Eigenkapital ist nicht positiv</translation>
    </message>
    <message>
        <source>Cannot be computed: shareholders&apos; equity plus long-term debt is not positive</source>
        <translation>Nicht berechenbar: Eigenkapital plus langfristige Schulden ist nicht positiv</translation>
    </message>
    <message>
        <source>Cannot be computed: free cash flow is not positive</source>
        <translation>Nicht berechenbar: der freie Cashflow ist nicht positiv</translation>
    </message>
    <message>
        <source>Cannot be computed: the shares are reported per share class, with no total for all classes</source>
        <translation>Nicht berechenbar: die Aktien sind je Aktiengattung berichtet, ohne Summe über alle Gattungen</translation>
    </message>
    <message>
        <source>shares</source>
        <translation>Aktien</translation>
    </message>
    <message>
        <source>Shares are reported per share class, with no total for all classes, in %1: book value per share is not computed for those years</source>
        <translation>Die Aktien sind in %1 je Aktiengattung berichtet, ohne Summe über alle Gattungen: der Buchwert je Aktie wird für diese Jahre nicht berechnet</translation>
    </message>
    <message>
        <source>The company&apos;s annual reports give none of the figures of this table</source>
        <translation>Die Jahresberichte des Unternehmens nennen keinen der Werte dieser Tabelle</translation>
    </message>
    <message>
        <source>Only the first %1 facts of %2 were read</source>
        <translation>Nur die ersten %1 Werte von %2 wurden gelesen</translation>
    </message>
    <message>
        <source>%1 millions</source>
        <translation>Millionen %1</translation>
    </message>
    <message>
        <source>%1 per share</source>
        <translation>%1 je Aktie</translation>
    </message>
    <message>
        <source>millions</source>
        <translation>Millionen</translation>
    </message>
    <message>
        <source>years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Kennzahl</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>%1 (CIK %2)</source>
        <translation>%1 (CIK %2)</translation>
    </message>
    <message>
        <source>%1 %2, filed %3</source>
        <translation>%1 %2, eingereicht am %3</translation>
    </message>
    <message>
        <source>No annual figures</source>
        <translation>Keine Jahreswerte</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>%1: shareholders&apos; equity ÷ shares</source>
        <translation>%1: Eigenkapital ÷ Aktien</translation>
    </message>
    <message>
        <source>Compound annual growth of %1 from %2 to %3</source>
        <translation>Durchschnittliches jährliches Wachstum von %1 von %2 bis %3</translation>
    </message>
    <message>
        <source>Lower of the compound annual growth rates from %1 to %2: %3</source>
        <translation>Die niedrigere der durchschnittlichen jährlichen Wachstumsraten von %1 bis %2: %3</translation>
    </message>
    <message>
        <source>Neither earnings per share nor book value per share is positive at both ends of any span of up to %1 years ending with the newest year</source>
        <translation>Weder der Gewinn je Aktie noch der Buchwert je Aktie ist an beiden Enden eines Zeitraums von bis zu %1 Jahren bis zum neuesten Jahr positiv</translation>
    </message>
    <message>
        <source>Needs at least two years of figures</source>
        <translation>Braucht Werte aus mindestens zwei Jahren</translation>
    </message>
    <message>
        <source>revenue</source>
        <translation>Umsatz</translation>
    </message>
    <message>
        <source>net income</source>
        <translation>Jahresüberschuss</translation>
    </message>
    <message>
        <source>earnings per share (diluted)</source>
        <translation>Gewinn je Aktie (verwässert)</translation>
    </message>
    <message>
        <source>shareholders&apos; equity</source>
        <translation>Eigenkapital</translation>
    </message>
    <message>
        <source>shares (diluted, millions)</source>
        <translation>Aktien (verwässert, Millionen)</translation>
    </message>
    <message>
        <source>book value per share</source>
        <translation>Buchwert je Aktie</translation>
    </message>
    <message>
        <source>operating cash flow</source>
        <translation>operativer Cashflow</translation>
    </message>
    <message>
        <source>capital spending</source>
        <translation>Investitionsausgaben</translation>
    </message>
    <message>
        <source>free cash flow</source>
        <translation>freier Cashflow</translation>
    </message>
    <message>
        <source>long-term debt</source>
        <translation>langfristige Schulden</translation>
    </message>
    <message>
        <source>return on equity</source>
        <translation>Eigenkapitalrendite</translation>
    </message>
    <message>
        <source>return on capital</source>
        <translation>Kapitalrendite</translation>
    </message>
    <message>
        <source>debt / free cash flow (years)</source>
        <translation>Schulden / freier Cashflow (Jahre)</translation>
    </message>
</context>
<context>
    <name>RecoveryCopy</name>
    <message>
        <source>The recovery copy of the notes could not be written to “%1”: %2.</source>
        <translation>Die Wiederherstellungskopie der Notizen konnte nicht nach „%1“ geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>the folder could not be created</source>
        <translation>Der Ordner konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>its lock could not be taken</source>
        <translation>Ihre Sperrdatei konnte nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>Splits</name>
    <message>
        <source>Possible %1-for-%2 split between %3 and %4</source>
        <translation>Möglicher Aktiensplit %1:%2 zwischen %3 und %4</translation>
    </message>
    <message>
        <source>Possible %1-for-%2 reverse split between %3 and %4</source>
        <translation>Mögliche Aktienzusammenlegung %2:%1 zwischen %3 und %4</translation>
    </message>
    <message>
        <source>%1: earlier per-share figures are adjusted for it</source>
        <translation>%1: frühere Werte je Aktie sind darum bereinigt</translation>
    </message>
    <message>
        <source>%1: earlier per-share figures are as filed</source>
        <translation>%1: frühere Werte je Aktie sind wie berichtet</translation>
    </message>
</context>
<context>
    <name>StudyExport</name>
    <message>
        <source>not yet saved</source>
        <translation>noch nicht gespeichert</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Company Study</source>
        <translation>Unternehmensanalyse</translation>
    </message>
    <message>
        <source>Company Study: %1</source>
        <translation>Unternehmensanalyse: %1</translation>
    </message>
    <message>
        <source>Begun: %1</source>
        <translation>Begonnen: %1</translation>
    </message>
    <message>
        <source>Last saved: %1</source>
        <translation>Zuletzt gespeichert: %1</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Methode</translation>
    </message>
    <message>
        <source>Value per share</source>
        <translation>Wert je Aktie</translation>
    </message>
    <message>
        <source>Margin of safety</source>
        <translation>Sicherheitsmarge</translation>
    </message>
    <message>
        <source>Buy below</source>
        <translation>Kaufen unter</translation>
    </message>
    <message>
        <source>The Company</source>
        <translation>Das Unternehmen</translation>
    </message>
    <message>
        <source>Competitive Advantages</source>
        <translation>Wettbewerbsvorteile</translation>
    </message>
    <message>
        <source>Management</source>
        <translation>Management</translation>
    </message>
    <message>
        <source>Bargain Price</source>
        <translation>Günstiger Preis</translation>
    </message>
    <message>
        <source>No notes.</source>
        <translation>Keine Notizen.</translation>
    </message>
    <message>
        <source>Valuation</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>No valuation was taken from the workbench.</source>
        <translation>Aus der Werkbank wurde keine Bewertung übernommen.</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Urteil</translation>
    </message>
    <message>
        <source>The study could not be exported as “%1”: %2.</source>
        <translation>Die Analyse konnte nicht als „%1“ exportiert werden: %2.</translation>
    </message>
    <message>
        <source>%1, CIK %2, reported to the SEC, downloaded %3</source>
        <translation>%1, CIK %2, an die SEC gemeldet, heruntergeladen am %3</translation>
    </message>
    <message>
        <source>; earlier years adjusted for splits</source>
        <translation>; frühere Jahre um Aktiensplits bereinigt</translation>
    </message>
    <message>
        <source>Reported figures</source>
        <translation>Gemeldete Zahlen</translation>
    </message>
</context>
<context>
    <name>StudyFile</name>
    <message>
        <source>The file is not a Kelvo study.</source>
        <translation>Die Datei ist keine Kelvo-Analyse.</translation>
    </message>
    <message>
        <source>“%1” could not be opened. %2</source>
        <translation>„%1“ konnte nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Es ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>The file is larger than %1 KiB, far more than any study needs, so it is not a study.</source>
        <translation>Die Datei ist größer als %1 KiB, weit mehr, als eine Analyse je braucht, und ist daher keine Analyse.</translation>
    </message>
    <message>
        <source>The file could not be read: %1.</source>
        <translation>Die Datei konnte nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>The study could not be saved as “%1”: its notes are longer than a study file may be (%2 KiB). Please shorten them.</source>
        <translation>Die Analyse konnte nicht als „%1“ gespeichert werden: Die Notizen sind länger, als eine Analysedatei sein darf (%2 KiB). Bitte kürzen Sie sie.</translation>
    </message>
    <message>
        <source>The study could not be saved as “%1”: the folder “%2” could not be created.</source>
        <translation>Die Analyse konnte nicht als „%1“ gespeichert werden: Der Ordner „%2“ konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The study could not be saved as “%1”: %2.</source>
        <translation>Die Analyse konnte nicht als „%1“ gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>The study was saved by a newer version of Kelvo Training Wizard in format version %1, and this version reads format version %2 only. Please update the program to open it.</source>
        <translation>Die Analyse wurde von einer neueren Version von Kelvo Training Wizard in der Formatversion %1 gespeichert; diese Version liest nur die Formatversion %2. Bitte aktualisieren Sie das Programm, um sie zu öffnen.</translation>
    </message>
    <message>
        <source>The study is damaged: its field “%1” does not hold what a study keeps there.</source>
        <translation>Die Analyse ist beschädigt: Das Feld „%1“ enthält nicht, was eine Analyse dort ablegt.</translation>
    </message>
    <message>
        <source>The study could not be saved as “%1”: the file is read-only.</source>
        <translation>Die Analyse konnte nicht als „%1“ gespeichert werden: Die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The study is damaged: its contents are not valid JSON text.</source>
        <translation>Die Analyse ist beschädigt: Der Inhalt ist kein gültiger JSON-Text.</translation>
    </message>
    <message>
        <source>The study is damaged: the file is empty.</source>
        <translation>Die Analyse ist beschädigt: Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The study is damaged: the file ends too early, as if it was cut short.</source>
        <translation>Die Analyse ist beschädigt: Die Datei endet zu früh, als wäre sie abgeschnitten worden.</translation>
    </message>
    <message>
        <source>The study could not be saved as “%1”: the folder “%2” cannot be written in.</source>
        <translation>Die Analyse konnte nicht als „%1“ gespeichert werden: In den Ordner „%2“ kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>Die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the folder “%1” cannot be written in</source>
        <translation>In den Ordner „%1“ kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The study is damaged: it names no format version this program knows.</source>
        <translation>Die Analyse ist beschädigt: Die Formatversion fehlt oder ist diesem Programm unbekannt.</translation>
    </message>
    <message>
        <source>“%1” is open in the Study Notebook, here or in another copy of Kelvo Wizard. Close it there first.</source>
        <translation>„%1“ ist im Analyse-Notizbuch geöffnet, hier oder in einer anderen Instanz von Kelvo Wizard. Schließen Sie die Analyse dort zuerst.</translation>
    </message>
    <message>
        <source>Please type a name for the study&apos;s file.</source>
        <translation>Bitte geben Sie einen Namen für die Datei der Analyse ein.</translation>
    </message>
    <message>
        <source>A file name cannot contain “/”. Please choose another name.</source>
        <translation>Ein Dateiname darf kein „/“ enthalten. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>A file name that begins with “.” is hidden. Please choose another name.</source>
        <translation>Eine Datei, deren Name mit „.“ beginnt, ist versteckt. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>“%1” already exists in this folder. Please choose another name.</source>
        <translation>„%1“ gibt es in diesem Ordner bereits. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>“%1” could not be renamed: %2.</source>
        <translation>„%1“ konnte nicht umbenannt werden: %2.</translation>
    </message>
    <message>
        <source>“%1” could not be moved to the trash: %2.</source>
        <translation>„%1“ konnte nicht in den Papierkorb verschoben werden: %2.</translation>
    </message>
    <message>
        <source>“%1” could not be moved to the trash: the desktop has no trash folder here.</source>
        <translation>„%1“ konnte nicht in den Papierkorb verschoben werden: Die Arbeitsumgebung hat hier keinen Papierkorb-Ordner.</translation>
    </message>
</context>
<context>
    <name>SymbolList</name>
    <message>
        <source>It is not the SEC&apos;s list of symbols.</source>
        <translation>Es ist nicht die Symbolliste der SEC.</translation>
    </message>
    <message>
        <source>The SEC&apos;s list of symbols lists no company.</source>
        <translation>Die Symbolliste der SEC nennt kein Unternehmen.</translation>
    </message>
    <message>
        <source>It is larger than 200 MB.</source>
        <translation>Sie ist größer als 200 MB.</translation>
    </message>
    <message>
        <source>It is not valid JSON text.</source>
        <translation>Der Inhalt ist kein gültiger JSON-Text.</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>Undecided</source>
        <translation>Offen</translation>
    </message>
    <message>
        <source>&amp;Undecided</source>
        <translation>Noch &amp;offen</translation>
    </message>
    <message>
        <source>Undecided.</source>
        <translation>Noch offen.</translation>
    </message>
    <message>
        <source>Buy below</source>
        <translation>Kaufen unter</translation>
    </message>
    <message>
        <source>Buy b&amp;elow a price</source>
        <translation>&amp;Kaufen unter einem Preis</translation>
    </message>
    <message>
        <source>Buy below %1.</source>
        <translation>Kaufen unter %1.</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Nicht kaufen</translation>
    </message>
    <message>
        <source>Pa&amp;ss</source>
        <translation>Nicht kau&amp;fen</translation>
    </message>
    <message>
        <source>Pass.</source>
        <translation>Nicht kaufen.</translation>
    </message>
    <message>
        <source>Buy below a price not yet set.</source>
        <translation>Kaufen unter einem noch nicht festgelegten Preis.</translation>
    </message>
</context>
<context>
    <name>WizardChecks</name>
    <message>
        <source>the last %1 years</source>
        <translation>den letzten %1 Jahren</translation>
    </message>
    <message>
        <source>the one year shown</source>
        <translation>dem einen angezeigten Jahr</translation>
    </message>
    <message>
        <source>the %1 years shown</source>
        <translation>den %1 angezeigten Jahren</translation>
    </message>
    <message>
        <source>Return on capital of at least %1 in every one of %2</source>
        <translation>Kapitalrendite von mindestens %1 in jedem von %2</translation>
    </message>
    <message>
        <source>below %1 in %2</source>
        <translation>unter %1 in %2</translation>
    </message>
    <message>
        <source>no figure for %1</source>
        <translation>kein Wert für %1</translation>
    </message>
    <message>
        <source>no years shown</source>
        <translation>keine Jahre angezeigt</translation>
    </message>
    <message>
        <source>lowest %1 in %2</source>
        <translation>niedrigste %1 in %2</translation>
    </message>
    <message>
        <source>Growth of at least %1 a year in each of revenue, earnings per share, book value per share and free cash flow over %2</source>
        <translation>Wachstum von mindestens %1 im Jahr bei Umsatz, Gewinn je Aktie, Buchwert je Aktie und freiem Cashflow in %2</translation>
    </message>
    <message>
        <source>below %1 a year: %2</source>
        <translation>unter %1 im Jahr: %2</translation>
    </message>
    <message>
        <source>no growth rate for %1</source>
        <translation>keine Wachstumsrate für %1</translation>
    </message>
    <message>
        <source>every one at least %1 a year</source>
        <translation>jede mindestens %1 im Jahr</translation>
    </message>
    <message>
        <source>Long-term debt repayable from at most %1 years of free cash flow</source>
        <translation>Langfristige Schulden aus höchstens %1 Jahren freiem Cashflow rückzahlbar</translation>
    </message>
    <message>
        <source>%1 long-term debt: %2</source>
        <translation>Langfristige Schulden %1: %2</translation>
    </message>
    <message>
        <source>%1 free cash flow: %2</source>
        <translation>Freier Cashflow %1: %2</translation>
    </message>
    <message>
        <source>%1 debt / free cash flow: %2 years</source>
        <translation>Schulden / freier Cashflow %1: %2 Jahre</translation>
    </message>
    <message>
        <source>no long-term debt in %1</source>
        <translation>keine langfristigen Schulden in %1</translation>
    </message>
    <message>
        <source>%1 years of free cash flow in %2</source>
        <translation>%1 Jahre freier Cashflow in %2</translation>
    </message>
    <message>
        <source>free cash flow in %1 is not positive</source>
        <translation>freier Cashflow in %1 ist nicht positiv</translation>
    </message>
    <message>
        <source>no figure for long-term debt in %1</source>
        <translation>kein Wert für langfristige Schulden in %1</translation>
    </message>
    <message>
        <source>no figure for free cash flow in %1</source>
        <translation>kein Wert für freien Cashflow in %1</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>bestanden</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>nicht bestanden</translation>
    </message>
    <message>
        <source>cannot tell</source>
        <translation>nicht feststellbar</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
</context>
<context>
    <name>kelvo::app::BargainPricePage</name>
    <message>
        <source>Valuation Workbench…</source>
        <translation>Bewertungswerkbank…</translation>
    </message>
    <message>
        <source>Valuation Workbench</source>
        <translation>Bewertungswerkbank</translation>
    </message>
    <message>
        <source>Opens the Valuation Workbench with the calculator page&apos;s figures. Shortcut: %1</source>
        <translation>Öffnet die Bewertungswerkbank mit den Zahlen der Rechnerseite. Tastenkürzel: %1</translation>
    </message>
</context>
<context>
    <name>kelvo::app::ChecksPanel</name>
    <message>
        <source>Lowest return on capital</source>
        <translation>Niedrigste Kapitalrendite</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Lowest growth a year</source>
        <translation>Niedrigstes Wachstum pro Jahr</translation>
    </message>
    <message>
        <source>Most years of free cash flow to repay the debt</source>
        <translation>Höchstens so viele Jahre freier Cashflow zur Tilgung der Schulden</translation>
    </message>
    <message>
        <source> years</source>
        <translation> Jahre</translation>
    </message>
    <message>
        <source>Years checked</source>
        <translation>Geprüfte Jahre</translation>
    </message>
    <message>
        <source>The tests look at the last this many years, or at all years shown when there are fewer.</source>
        <translation>Die Tests betrachten die letzten so vielen Jahre oder alle angezeigten Jahre, wenn es weniger sind.</translation>
    </message>
    <message>
        <source>Return on capital at &amp;least:</source>
        <translation>Kapitalrendite &amp;mindestens:</translation>
    </message>
    <message>
        <source>&amp;Growth at least, a year:</source>
        <translation>&amp;Wachstum mindestens, pro Jahr:</translation>
    </message>
    <message>
        <source>&amp;Debt repayable from at most:</source>
        <translation>&amp;Schulden tilgbar aus höchstens:</translation>
    </message>
    <message>
        <source>&amp;Years checked:</source>
        <translation>Geprüfte &amp;Jahre:</translation>
    </message>
</context>
<context>
    <name>kelvo::app::CommandLine</name>
    <message>
        <source>The platform plugin to use, such as xcb or wayland.</source>
        <translation>Das zu verwendende Plattform-Plugin, etwa xcb oder wayland.</translation>
    </message>
    <message>
        <source>Where to look for platform plugins.</source>
        <translation>Wo nach Plattform-Plugins gesucht wird.</translation>
    </message>
    <message>
        <source>The platform theme to use.</source>
        <translation>Das zu verwendende Plattform-Design.</translation>
    </message>
    <message>
        <source>An additional plugin to load, such as an input device plugin.</source>
        <translation>Ein zusätzlich zu ladendes Plugin, etwa für ein Eingabegerät.</translation>
    </message>
    <message>
        <source>The geometry of the first window.</source>
        <translation>Die Geometrie des ersten Fensters.</translation>
    </message>
    <message>
        <source>The icon of the windows.</source>
        <translation>Das Symbol der Fenster.</translation>
    </message>
    <message>
        <source>The title of the first window.</source>
        <translation>Der Titel des ersten Fensters.</translation>
    </message>
    <message>
        <source>Settings of the QML debugger.</source>
        <translation>Einstellungen des QML-Debuggers.</translation>
    </message>
    <message>
        <source>Lays out the window from right to left.</source>
        <translation>Ordnet das Fenster von rechts nach links an.</translation>
    </message>
    <message>
        <source>Restores the application from an earlier session.</source>
        <translation>Stellt die Anwendung aus einer früheren Sitzung wieder her.</translation>
    </message>
    <message>
        <source>The X11 display to use.</source>
        <translation>Die zu verwendende X11-Anzeige.</translation>
    </message>
    <message>
        <source>The geometry of the first window (X11).</source>
        <translation>Die Geometrie des ersten Fensters (X11).</translation>
    </message>
    <message>
        <source>The title of the first window (X11).</source>
        <translation>Der Titel des ersten Fensters (X11).</translation>
    </message>
    <message>
        <source>The icon of the windows (X11).</source>
        <translation>Das Symbol der Fenster (X11).</translation>
    </message>
    <message>
        <source>The application&apos;s instance name in WM_CLASS (X11).</source>
        <translation>Der Instanzname der Anwendung in WM_CLASS (X11).</translation>
    </message>
    <message>
        <source>The X11 visual to use.</source>
        <translation>Das zu verwendende X11-Visual.</translation>
    </message>
    <message>
        <source>Talks to the X11 server synchronously, for debugging.</source>
        <translation>Spricht synchron mit dem X11-Server, zur Fehlersuche.</translation>
    </message>
    <message>
        <source>Never grabs the mouse or the keyboard.</source>
        <translation>Belegt Maus und Tastatur nie exklusiv.</translation>
    </message>
    <message>
        <source>Grabs the mouse and the keyboard even when debugging.</source>
        <translation>Belegt Maus und Tastatur auch bei der Fehlersuche exklusiv.</translation>
    </message>
    <message>
        <source>Loads the testability plugin.</source>
        <translation>Lädt das Testability-Plugin.</translation>
    </message>
    <message>
        <source>The widget style, such as fusion.</source>
        <translation>Der Widget-Stil, etwa fusion.</translation>
    </message>
    <message>
        <source>A style sheet to apply.</source>
        <translation>Ein anzuwendendes Stylesheet.</translation>
    </message>
    <message>
        <source>Prints the number of widgets left at exit.</source>
        <translation>Gibt beim Beenden die Zahl der verbliebenen Widgets aus.</translation>
    </message>
    <message>
        <source>Ignored: Qt reads it on Windows only.</source>
        <translation>Wird ignoriert: Qt liest diese Option nur unter Windows.</translation>
    </message>
    <message>
        <source>Print every link control, its caption, the address it opens and whether that address is built in or from which override file, then exit.</source>
        <translation>Gibt jedes Link-Bedienelement mit seiner Beschriftung und der Adresse aus, die es öffnet, und nennt, ob die Adresse eingebaut ist oder aus welcher Überschreibungsdatei sie stammt; beendet sich dann.</translation>
    </message>
    <message>
        <source>A study file to open.</source>
        <translation>Eine zu öffnende Analysedatei.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>Unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>there is no file &apos;%1&apos;</source>
        <translation>Die Datei &apos;%1&apos; existiert nicht</translation>
    </message>
    <message>
        <source>kelvo-wizard: cannot write to standard output: %1
</source>
        <translation>kelvo-wizard: Schreiben auf die Standardausgabe nicht möglich: %1
</translation>
    </message>
    <message>
        <source>kelvo-wizard needs a graphical desktop (X11 or Wayland), and none was found: start it from a desktop session.
</source>
        <translation>kelvo-wizard braucht eine grafische Arbeitsumgebung (X11 oder Wayland), es wurde aber keine gefunden: Starten Sie das Programm aus einer Desktop-Sitzung.
</translation>
    </message>
    <message>
        <source>kelvo-wizard needs a graphical desktop (X11 or Wayland), and none answered at %1: start it from a desktop session.
</source>
        <translation>kelvo-wizard braucht eine grafische Arbeitsumgebung (X11 oder Wayland), unter %1 hat aber keine geantwortet: Starten Sie das Programm aus einer Desktop-Sitzung.
</translation>
    </message>
    <message>
        <source>kelvo-wizard: %1 (see --help)
</source>
        <translation>kelvo-wizard: %1 (siehe --help)
</translation>
    </message>
    <message>
        <source>A training wizard for long-term stock investors.

Research addresses can be changed in link override files, read at start-up from kelvo-wizard/links/*.conf in $XDG_DATA_HOME and $XDG_DATA_DIRS, then kelvo-wizard/links.conf in $XDG_CONFIG_DIRS and last in $XDG_CONFIG_HOME (by default ~/.config/kelvo-wizard/links.conf), a later file winning.</source>
        <translation>Ein Trainingsassistent für langfristige Aktienanleger.

Recherche-Adressen lassen sich in Link-Überschreibungsdateien ändern, die beim Start gelesen werden: kelvo-wizard/links/*.conf in $XDG_DATA_HOME und $XDG_DATA_DIRS, dann kelvo-wizard/links.conf in $XDG_CONFIG_DIRS und zuletzt in $XDG_CONFIG_HOME (standardmäßig ~/.config/kelvo-wizard/links.conf); eine später gelesene Datei hat Vorrang.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a regular file</source>
        <translation>&apos;%1&apos; ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The argument&apos;s name in the list of arguments; &quot;[file]&quot; in the usage line.</extracomment>
        <translation>Datei</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[Datei]</translation>
    </message>
</context>
<context>
    <name>kelvo::app::CompanyPart</name>
    <message>
        <source>Company</source>
        <translation>Unternehmen</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Company name</source>
        <translation>Unternehmensname</translation>
    </message>
    <message>
        <source>Begun</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <source>Last saved</source>
        <translation>Zuletzt gespeichert</translation>
    </message>
    <message>
        <source>&amp;Symbol:</source>
        <translation>&amp;Symbol:</translation>
    </message>
    <message>
        <source>Company &amp;name:</source>
        <translation>Unternehmens&amp;name:</translation>
    </message>
    <message>
        <source>Begun:</source>
        <translation>Begonnen:</translation>
    </message>
    <message>
        <source>Last saved:</source>
        <translation>Zuletzt gespeichert:</translation>
    </message>
    <message>
        <source>Not saved yet</source>
        <translation>Noch nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>kelvo::app::DownloadBar</name>
    <message>
        <source>&amp;Download from the SEC</source>
        <translation>Von der SEC &amp;herunterladen</translation>
    </message>
    <message>
        <source>&amp;Open a downloaded file…</source>
        <translation>Heruntergeladene Datei ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Contact e-mail:</source>
        <translation>&amp;Kontakt-E-Mail:</translation>
    </message>
    <message>
        <source>Contact e-mail (sent to the SEC)</source>
        <translation>Kontakt-E-Mail (wird an die SEC gesendet)</translation>
    </message>
    <message>
        <source>name@example.com</source>
        <translation>name@example.com</translation>
    </message>
    <message>
        <source>The SEC asks every program that downloads its data to name a contact. Your e-mail is sent to the SEC with each request, and nowhere else; it is kept in your settings for the next time.</source>
        <translation>Die SEC verlangt von jedem Programm, das ihre Daten herunterlädt, einen Kontakt. Ihre E-Mail wird mit jeder Anfrage an die SEC gesendet und nirgendwohin sonst; sie wird für das nächste Mal in Ihren Einstellungen gespeichert.</translation>
    </message>
    <message>
        <source>Gets the SEC&apos;s list of symbols and this company&apos;s reported figures. Copies downloaded lately are used without asking again.</source>
        <translation>Holt die Symbolliste der SEC und die gemeldeten Zahlen dieses Unternehmens. Kürzlich heruntergeladene Kopien werden verwendet, ohne erneut zu fragen.</translation>
    </message>
    <message>
        <source>Reads a company&apos;s facts (CIK##########.json) that you saved from the SEC&apos;s site in a browser.</source>
        <translation>Liest die Unternehmenszahlen (CIK##########.json), die Sie im Browser von der Website der SEC gespeichert haben.</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Download-Fortschritt</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1 %2 so far</source>
        <translation>%1 bisher %2</translation>
    </message>
</context>
<context>
    <name>kelvo::app::FinancialHistoryHelp</name>
    <message>
        <source>Financial History</source>
        <translation>Finanzhistorie</translation>
    </message>
    <message>
        <source>The figures are those the company reported in its annual reports to the U.S. Securities and Exchange Commission (SEC), from the SEC&apos;s free company facts. They are downloaded only when you press “Download from the SEC”: first the SEC&apos;s list of symbols (kept for up to 7 days), then the company&apos;s facts (kept for a day, then asked about again). Each request names this program and the contact e-mail you type, as the SEC asks of every program; the e-mail is sent to the SEC and nowhere else. “Open a downloaded file…” reads company facts you saved from a browser, without any network.</source>
        <translation>Die Zahlen sind die, die das Unternehmen in seinen Jahresberichten an die US-Börsenaufsicht SEC gemeldet hat, aus den kostenlosen Company Facts der SEC. Sie werden nur heruntergeladen, wenn Sie „Von der SEC herunterladen“ drücken: zuerst die Symbolliste der SEC (bis zu 7 Tage aufbewahrt), dann die Zahlen des Unternehmens (einen Tag aufbewahrt, danach erneut angefragt). Jede Anfrage nennt dieses Programm und die Kontakt-E-Mail, die Sie eingeben, wie es die SEC von jedem Programm verlangt; die E-Mail wird an die SEC gesendet und nirgendwohin sonst. „Heruntergeladene Datei öffnen…“ liest Unternehmenszahlen, die Sie im Browser gespeichert haben, ganz ohne Netzwerk.</translation>
    </message>
    <message>
        <source>Rest the pointer on a cell (or read its description) to see the tag, period, form, filing date and accession number it comes from, or why it is empty. A figure in italics was restated: a later report gave another value. Companies&apos; stock splits are not adjusted in the filings; where one seems to have happened, the window says so, and “Adjust earlier years for splits” makes the per-share figures comparable.</source>
        <translation>Halten Sie den Mauszeiger über eine Zelle (oder lesen Sie ihre Beschreibung), um Tag, Zeitraum, Formular, Einreichungsdatum und Accession-Nummer ihrer Herkunft zu sehen, oder warum sie leer ist. Ein kursiver Wert wurde korrigiert: Ein späterer Bericht nannte einen anderen Wert. Aktiensplits sind in den Berichten nicht bereinigt; wo einer stattgefunden zu haben scheint, sagt es das Fenster, und „Frühere Jahre um Aktiensplits bereinigen“ macht die Werte je Aktie vergleichbar.</translation>
    </message>
    <message>
        <source>The downloaded documents are kept in %1. The contact e-mail is kept in %2. “Export as CSV…” writes only where you choose.</source>
        <translation>Die heruntergeladenen Dokumente werden in %1 aufbewahrt. Die Kontakt-E-Mail wird in %2 gespeichert. „Als CSV exportieren…“ schreibt nur dorthin, wo Sie es wählen.</translation>
    </message>
</context>
<context>
    <name>kelvo::app::FinancialHistoryWindow</name>
    <message>
        <source>Financial History</source>
        <translation>Finanzhistorie</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;Adjust earlier years for splits</source>
        <translation>Frühere Jahre um Aktiensplits &amp;bereinigen</translation>
    </message>
    <message>
        <source>Multiplies the share counts of the years before a possible split by its ratio, and divides their per-share figures by it, so that the years compare.</source>
        <translation>Multipliziert die Aktienzahlen der Jahre vor einem möglichen Split mit seinem Verhältnis und teilt ihre Werte je Aktie dadurch, damit die Jahre vergleichbar sind.</translation>
    </message>
    <message>
        <source>Financial history</source>
        <translation>Finanzhistorie</translation>
    </message>
    <message>
        <source>C&amp;hart</source>
        <translation>&amp;Diagramm</translation>
    </message>
    <message>
        <source>G&amp;rowth</source>
        <translation>W&amp;achstum</translation>
    </message>
    <message>
        <source>The wizard&apos;s &amp;tests</source>
        <translation>&amp;Tests des Assistenten</translation>
    </message>
    <message>
        <source>Use in &amp;Workbench</source>
        <translation>In &amp;Werkbank verwenden</translation>
    </message>
    <message>
        <source>Opens the Valuation Workbench with earnings per share and book value per share of the newest year, and the lower of their growth rates. The price stays yours to type.</source>
        <translation>Öffnet die Bewertungswerkbank mit Gewinn je Aktie und Buchwert je Aktie des neuesten Jahres und der niedrigeren ihrer Wachstumsraten. Den Kurs geben Sie weiterhin selbst ein.</translation>
    </message>
    <message>
        <source>Take into &amp;Study</source>
        <translation>In &amp;Analyse übernehmen</translation>
    </message>
    <message>
        <source>Stores the table as shown, with where it comes from, in the study that is open in the Study Notebook.</source>
        <translation>Speichert die Tabelle wie angezeigt, mit ihrer Herkunft, in der Analyse, die im Analyse-Notizbuch geöffnet ist.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Puts the table on the clipboard as text, with tabs between the columns.</source>
        <translation>Legt die Tabelle als Text in die Zwischenablage, mit Tabulatoren zwischen den Spalten.</translation>
    </message>
    <message>
        <source>&amp;Export as CSV…</source>
        <translation>Als CSV &amp;exportieren…</translation>
    </message>
    <message>
        <source>Writes the table in a file a spreadsheet opens: plain numbers, amounts in millions.</source>
        <translation>Schreibt die Tabelle in eine Datei, die eine Tabellenkalkulation öffnet: reine Zahlen, Beträge in Millionen.</translation>
    </message>
    <message>
        <source>What this window shows, and where the figures come from. Shortcut: F1</source>
        <translation>Was dieses Fenster zeigt und woher die Zahlen stammen. Tastenkürzel: F1</translation>
    </message>
    <message>
        <source>Financial History - %1</source>
        <translation>Finanzhistorie - %1</translation>
    </message>
    <message>
        <source>These are the figures of %1 (CIK %2), not of %3, the company chosen in the wizard.</source>
        <translation>Dies sind die Zahlen von %1 (CIK %2), nicht von %3, dem im Assistenten gewählten Unternehmen.</translation>
    </message>
    <message>
        <source>%1. No figures are shown until you confirm that you want this company&apos;s.</source>
        <translation>%1. Es werden keine Zahlen angezeigt, bis Sie bestätigen, dass Sie die dieses Unternehmens möchten.</translation>
    </message>
    <message>
        <source>Show the figures of %1</source>
        <translation>Zahlen von %1 anzeigen</translation>
    </message>
    <message>
        <source>Financial History Help</source>
        <translation>Hilfe zur Finanzhistorie</translation>
    </message>
    <message>
        <source>Open a Downloaded File</source>
        <translation>Heruntergeladene Datei öffnen</translation>
    </message>
    <message>
        <source>Company facts (*.json);;All files (*)</source>
        <translation>Unternehmenszahlen (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The table could not be written to “%1”: %2.</source>
        <translation>Die Tabelle konnte nicht nach „%1“ geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Exportiert nach %1.</translation>
    </message>
</context>
<context>
    <name>kelvo::app::GrowthTable</name>
    <message>
        <source>Growth</source>
        <translation>Wachstum</translation>
    </message>
</context>
<context>
    <name>kelvo::app::HistoryChart</name>
    <message>
        <source>%1 millions</source>
        <translation>Millionen %1</translation>
    </message>
    <message>
        <source>%1 per share</source>
        <translation>%1 je Aktie</translation>
    </message>
    <message>
        <source>Millions of shares</source>
        <translation>Millionen Aktien</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>Chart of the selected row across the years</source>
        <translation>Diagramm der gewählten Zeile über die Jahre</translation>
    </message>
    <message>
        <source>No figures to draw yet.</source>
        <translation>Noch keine Zahlen zum Zeichnen.</translation>
    </message>
    <message>
        <source>Fiscal year</source>
        <translation>Geschäftsjahr</translation>
    </message>
    <message>
        <source>%1: fewer than two years have a figure to draw.</source>
        <translation>%1: Weniger als zwei Jahre haben einen Wert zum Zeichnen.</translation>
    </message>
</context>
<context>
    <name>kelvo::app::HistoryHeader</name>
    <message>
        <source>A company without a name</source>
        <translation>Ein Unternehmen ohne Namen</translation>
    </message>
    <message>
        <source>CIK %1</source>
        <translation>CIK %1</translation>
    </message>
    <message>
        <source>symbol %1</source>
        <translation>Symbol %1</translation>
    </message>
    <message>
        <source>fiscal year ending %1</source>
        <translation>Geschäftsjahresende %1</translation>
    </message>
    <message>
        <source>currency %1</source>
        <translation>Währung %1</translation>
    </message>
    <message>
        <source>Figures reported in annual reports to the SEC, from the file “%1”, saved %2</source>
        <translation>In Jahresberichten an die SEC gemeldete Zahlen, aus der Datei „%1“, gespeichert am %2</translation>
    </message>
    <message>
        <source>Figures reported in annual reports to the SEC, downloaded %1</source>
        <translation>In Jahresberichten an die SEC gemeldete Zahlen, heruntergeladen am %1</translation>
    </message>
    <message>
        <source>No company chosen</source>
        <translation>Kein Unternehmen gewählt</translation>
    </message>
    <message>
        <source>No figures of %1 yet</source>
        <translation>Noch keine Zahlen von %1</translation>
    </message>
    <message>
        <source>Type your contact e-mail and press “Download from the SEC”, or open a company&apos;s facts that you saved from the SEC&apos;s site.</source>
        <translation>Geben Sie Ihre Kontakt-E-Mail ein und drücken Sie „Von der SEC herunterladen“, oder öffnen Sie Unternehmenszahlen, die Sie von der Website der SEC gespeichert haben.</translation>
    </message>
</context>
<context>
    <name>kelvo::app::HistoryLoader</name>
    <message>
        <source>It holds the figures of %1 (CIK %2), not of the company with CIK %3.</source>
        <translation>Sie enthält die Zahlen von %1 (CIK %2), nicht die des Unternehmens mit CIK %3.</translation>
    </message>
    <message>
        <source>Choose a company in the wizard first: there is no symbol to look up.</source>
        <translation>Wählen Sie zuerst im Assistenten ein Unternehmen: Es gibt kein Symbol zum Nachschlagen.</translation>
    </message>
    <message>
        <source>The contact could not be kept in “%1”, so it is used for this download only.</source>
        <translation>Der Kontakt konnte nicht in „%1“ gespeichert werden und wird daher nur für diesen Download verwendet.</translation>
    </message>
    <message>
        <source>Getting the SEC&apos;s list of symbols…</source>
        <translation>Symbolliste der SEC wird geholt…</translation>
    </message>
    <message>
        <source>Getting the figures of CIK %1…</source>
        <translation>Zahlen von CIK %1 werden geholt…</translation>
    </message>
    <message>
        <source>Another download is still running: wait for it to end, or cancel it.</source>
        <translation>Ein anderer Download läuft noch: Warten Sie, bis er endet, oder brechen Sie ihn ab.</translation>
    </message>
    <message>
        <source>No figures of %1 are kept on this computer yet: press “Download from the SEC” to get them.</source>
        <translation>Auf diesem Computer sind noch keine Zahlen von %1 gespeichert: Drücken Sie „Von der SEC herunterladen“, um sie zu holen.</translation>
    </message>
    <message>
        <source>The figures shown are the copy downloaded %1.</source>
        <translation>Die angezeigten Zahlen sind die am %1 heruntergeladene Kopie.</translation>
    </message>
</context>
<context>
    <name>kelvo::app::HistoryModel</name>
    <message>
        <source>Fiscal year ending %1</source>
        <translation>Geschäftsjahr endend am %1</translation>
    </message>
</context>
<context>
    <name>kelvo::app::KeyboardShortcutsWindow</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>The keys of every window of Kelvo Wizard. Alt with an underlined letter presses that button or goes to that box.</source>
        <translation>Die Tasten aller Fenster von Kelvo Wizard. Alt mit einem unterstrichenen Buchstaben drückt diese Schaltfläche oder springt in dieses Feld.</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts lists the keys of every window of the program, read from the windows each time this list opens: the keys that work in every window first, then each window&apos;s own.

In the wizard, Shift+F10 or the Menu key opens the menu of the control in focus, or the program&apos;s menu. In the web browser the wizard hands a page to, F11 switches full screen on and off.</source>
        <translation>Tastenkürzel zeigt die Tasten aller Fenster des Programms, jedes Mal beim Öffnen aus den Fenstern selbst gelesen: zuerst die Tasten, die in allen Fenstern gelten, dann die jedes einzelnen Fensters.

Im Assistenten öffnet Umschalt+F10 oder die Menütaste das Menü des Bedienelements mit dem Fokus oder das Menü des Programms. Im Webbrowser, dem der Assistent eine Seite übergibt, schaltet F11 den Vollbildmodus ein und aus.</translation>
    </message>
</context>
<context>
    <name>kelvo::app::LinkCaption</name>
    <message>
        <source>The directory list</source>
        <translation>Die Unternehmensliste</translation>
    </message>
    <message>
        <source>The background of a page</source>
        <translation>Der Hintergrund einer Seite</translation>
    </message>
</context>
<context>
    <name>kelvo::app::MainWindow</name>
    <message>
        <source>Picks a company at random from the directory list.</source>
        <translation>Wählt ein zufälliges Unternehmen aus der Liste.</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site in your browser</source>
        <translation>Öffnet die Website des Herstellers in Ihrem Browser</translation>
    </message>
    <message>
        <source>Writes to the maker with your mail program</source>
        <translation>Schreibt dem Hersteller mit Ihrem E-Mail-Programm</translation>
    </message>
    <message>
        <source>Present/Future Value Input Error</source>
        <translation>Eingabefehler Barwert/Zukunftswert</translation>
    </message>
    <message>
        <source>Interest Rate and Duration are Required Input Values.</source>
        <translation>Zinssatz und Laufzeit sind Pflichtangaben.</translation>
    </message>
    <message>
        <source>Enter a Value for the Average Earnings.</source>
        <translation>Geben Sie einen Wert für den Durchschnittsgewinn ein.</translation>
    </message>
    <message>
        <source>The growth rate and number of years give no finite future value.</source>
        <translation>Wachstumsrate und Anzahl der Jahre ergeben keinen endlichen Zukunftswert.</translation>
    </message>
    <message>
        <source> Kelvo Training Wizard</source>
        <translation> Kelvo Training Wizard</translation>
    </message>
    <message>
        <source>Some features of this program require a connection to the internet.</source>
        <translation>Einige Funktionen dieses Programms benötigen eine Internetverbindung.</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Von vorn</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Ends the program after asking</source>
        <translation>Beendet das Programm nach einer Rückfrage</translation>
    </message>
    <message>
        <source>This wizard-based program will help you become a better long term &quot;Intrinsic Value Investor.&quot;  It is based upon the filter ideas of Elmont Corvin and Brennic Pradley.  In my view, we can optimize our &quot;investment decision making&quot; by studying their rational and focused approach.</source>
        <translation>Dieses Assistenzprogramm hilft Ihnen, ein besserer langfristiger „Investor nach dem inneren Wert“ zu werden.  Es beruht auf den Filterideen von Elmont Corvin und Brennic Pradley.  Meiner Ansicht nach können wir unsere „Anlageentscheidungen“ verbessern, indem wir ihren rationalen und fokussierten Ansatz studieren.</translation>
    </message>
    <message>
        <source>o n l i n e   t o o l s  </source>
        <translation>o n l i n e - t o o l s  </translation>
    </message>
    <message>
        <source>Opens the maker&apos;s online tools page in full screen</source>
        <translation>Öffnet die Online-Tools des Herstellers im Vollbild</translation>
    </message>
    <message>
        <source>Company directory</source>
        <translation>Unternehmensverzeichnis</translation>
    </message>
    <message>
        <source>R</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Picks a random company</source>
        <translation>Wählt ein zufälliges Unternehmen</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>Google Finance page of the company selected in the list</source>
        <translation>Google-Finance-Seite des in der Liste gewählten Unternehmens</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Yahoo! Finance profile of the company selected in the list</source>
        <translation>Yahoo!-Finance-Profil des in der Liste gewählten Unternehmens</translation>
    </message>
    <message>
        <source>Look up symbol</source>
        <translation>Symbol suchen</translation>
    </message>
    <message>
        <source>Stock symbol</source>
        <translation>Aktiensymbol</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Empties the symbol and company name</source>
        <translation>Leert Symbol und Unternehmensnamen</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Headlines for the symbol</source>
        <translation>Schlagzeilen zum Symbol</translation>
    </message>
    <message>
        <source>BW</source>
        <translation>BW</translation>
    </message>
    <message>
        <source>BusinessWeek search for the symbol</source>
        <translation>BusinessWeek-Suche nach dem Symbol</translation>
    </message>
    <message>
        <source>Company name</source>
        <translation>Unternehmensname</translation>
    </message>
    <message>
        <source>S.E.C. Filings</source>
        <translation>Pflichtmeldungen bei der S.E.C.</translation>
    </message>
    <message>
        <source>Competitors</source>
        <translation>Wettbewerber</translation>
    </message>
    <message>
        <source>Financial Report</source>
        <translation>Finanzbericht</translation>
    </message>
    <message>
        <source>Search the web for discussions on the firm&apos;s &quot;Enduring Competitive Advantages.&quot;</source>
        <translation>Im Web nach Diskussionen über die „dauerhaften Wettbewerbsvorteile“ der Firma suchen.</translation>
    </message>
    <message>
        <source>What are Competitive Advantages?</source>
        <translation>Was sind Wettbewerbsvorteile?</translation>
    </message>
    <message>
        <source>Trustworthy and Able Managers ?</source>
        <translation>Vertrauenswürdige und fähige Manager ?</translation>
    </message>
    <message>
        <source>R.O.E. and R.O.A. Data</source>
        <translation>Eigenkapital- und Gesamtkapitalrendite</translation>
    </message>
    <message>
        <source>Corvin letters and ideas on management in general.</source>
        <translation>Corvins Briefe und Gedanken zum Management allgemein.</translation>
    </message>
    <message>
        <source>Bargain Price gives us a &quot;Margin of Safety.&quot;  View Tessel-Corvin Resources</source>
        <translation>Ein günstiger Preis gibt uns eine „Sicherheitsmarge“.  Quellen zu Tessel und Corvin ansehen</translation>
    </message>
    <message>
        <source>Intrinsic Value Estimator</source>
        <translation>Rechner für den inneren Wert</translation>
    </message>
    <message>
        <source>Intrinsic Value Est. at Quicken</source>
        <translation>Schätzung des inneren Werts bei Quicken</translation>
    </message>
    <message>
        <source>Marvane Partners, LLC</source>
        <translation>Marvane Partners, LLC</translation>
    </message>
    <message>
        <source>Online Tools</source>
        <translation>Online-Tools</translation>
    </message>
    <message>
        <source>Markets and News</source>
        <translation>Märkte und Nachrichten</translation>
    </message>
    <message>
        <source>NYT DealBook</source>
        <translation>NYT DealBook</translation>
    </message>
    <message>
        <source>BRK Discussion Group</source>
        <translation>BRK-Diskussionsgruppe</translation>
    </message>
    <message>
        <source>Est. Growth Rate Above Discount Rate in Yearly %</source>
        <translation>Gesch. Wachstum über Abzinsungssatz in % pro Jahr</translation>
    </message>
    <message>
        <source>Empties the earnings, future value and shares</source>
        <translation>Leert Gewinn, Zukunftswert und Aktienzahl</translation>
    </message>
    <message>
        <source>Number of Periods Years</source>
        <translation>Anzahl Perioden (Jahre)</translation>
    </message>
    <message>
        <source>Avg. Earnings (3-yr.)</source>
        <translation>Durchschn. Gewinn (3 J.)</translation>
    </message>
    <message>
        <source>Est. Future Value</source>
        <translation>Gesch. Zukunftswert</translation>
    </message>
    <message>
        <source>Number of Shares Outstanding</source>
        <translation>Anzahl ausstehender Aktien</translation>
    </message>
    <message>
        <source>Estimate the Intrinsic Value</source>
        <translation>Inneren Wert schätzen</translation>
    </message>
    <message>
        <source>Estimated intrinsic value per share</source>
        <translation>Geschätzter innerer Wert je Aktie</translation>
    </message>
    <message>
        <source>Launch Calculator and Financials Page</source>
        <translation>Rechner starten und Finanzdaten öffnen</translation>
    </message>
    <message>
        <source>Tessel&apos;s 10th Lecture: Intelligent Speculation</source>
        <translation>Tessels 10. Vorlesung: Intelligente Spekulation</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s page in your browser</source>
        <translation>Öffnet die Seite des Herstellers in Ihrem Browser</translation>
    </message>
    <message>
        <source>Goes to this step. Shortcut: %1</source>
        <translation>Springt zu diesem Schritt. Tastenkürzel: %1</translation>
    </message>
    <message>
        <source>Shows how to use the wizard. Shortcut: %1</source>
        <translation>Zeigt, wie der Assistent bedient wird. Tastenkürzel: %1</translation>
    </message>
    <message>
        <source>%1:
%2</source>
        <extracomment>A link&apos;s tooltip: what it does, then the address a click opens now.</extracomment>
        <translation>%1:
%2</translation>
    </message>
    <message>
        <source>Go to step %1, “%2”</source>
        <translation>Zu Schritt %1, „%2“</translation>
    </message>
    <message>
        <source>Context menu</source>
        <translation>Kontextmenü</translation>
    </message>
</context>
<context>
    <name>kelvo::app::NotesPart</name>
    <message>
        <source>The &amp;company</source>
        <translation>Das &amp;Unternehmen</translation>
    </message>
    <message>
        <source>Company notes</source>
        <translation>Notizen zum Unternehmen</translation>
    </message>
    <message>
        <source>What does the company sell, to whom, and how does it make its money? Will you still understand its business in ten years?</source>
        <translation>Was verkauft das Unternehmen, an wen, und wie verdient es sein Geld? Werden Sie sein Geschäft auch in zehn Jahren noch verstehen?</translation>
    </message>
    <message>
        <source>Competitive &amp;advantages</source>
        <translation>&amp;Wettbewerbsvorteile</translation>
    </message>
    <message>
        <source>Competitive advantages notes</source>
        <translation>Notizen zu den Wettbewerbsvorteilen</translation>
    </message>
    <message>
        <source>What keeps competitors from taking its customers or its margins? How long has that advantage lasted, and what could end it?</source>
        <translation>Was hindert Wettbewerber daran, ihm Kunden oder Margen abzunehmen? Wie lange besteht dieser Vorteil schon, und was könnte ihn beenden?</translation>
    </message>
    <message>
        <source>&amp;Management</source>
        <translation>&amp;Management</translation>
    </message>
    <message>
        <source>Management notes</source>
        <translation>Notizen zum Management</translation>
    </message>
    <message>
        <source>Are the managers trustworthy and able? Do they treat shareholders as partners, and do they pay themselves fairly?</source>
        <translation>Sind die Manager vertrauenswürdig und fähig? Behandeln sie die Aktionäre als Partner, und bezahlen sie sich angemessen?</translation>
    </message>
    <message>
        <source>&amp;Bargain price</source>
        <translation>&amp;Günstiger Preis</translation>
    </message>
    <message>
        <source>Bargain price notes</source>
        <translation>Notizen zum günstigen Preis</translation>
    </message>
    <message>
        <source>What is the business worth by the methods of the Valuation Workbench? Is today&apos;s price far enough below that to leave a margin of safety?</source>
        <translation>Was ist das Unternehmen nach den Methoden der Bewertungswerkbank wert? Liegt der heutige Kurs weit genug darunter, um eine Sicherheitsmarge zu lassen?</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
</context>
<context>
    <name>kelvo::app::ProgramWindows</name>
    <message>
        <source>Program menu</source>
        <translation>Programmmenü</translation>
    </message>
    <message>
        <source>Studies…</source>
        <translation>Analysen…</translation>
    </message>
    <message>
        <source>Valuation Workbench…</source>
        <translation>Bewertungswerkbank…</translation>
    </message>
    <message>
        <source>Research Links…</source>
        <translation>Recherche-Links…</translation>
    </message>
    <message>
        <source>New Study</source>
        <translation>Neue Analyse</translation>
    </message>
    <message>
        <source>Open Study…</source>
        <translation>Analyse öffnen…</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Show Studies Folder</source>
        <translation>Ordner der Analysen anzeigen</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>In the browser, after “%1”: full screen on and off</source>
        <translation>Im Browser, nach „%1“: Vollbild ein und aus</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Assistent</translation>
    </message>
    <message>
        <source>Research Links</source>
        <translation>Recherche-Links</translation>
    </message>
    <message>
        <source>Valuation Workbench</source>
        <translation>Bewertungswerkbank</translation>
    </message>
    <message>
        <source>Study Notebook</source>
        <translation>Analyse-Notizbuch</translation>
    </message>
    <message>
        <source>Studies</source>
        <translation>Analysen</translation>
    </message>
    <message>
        <source>Every window</source>
        <translation>Alle Fenster</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Research Links Help</source>
        <translation>Hilfe zu Recherche-Links</translation>
    </message>
    <message>
        <source>Valuation Workbench Help</source>
        <translation>Hilfe zur Bewertungswerkbank</translation>
    </message>
    <message>
        <source>Study Notebook Help</source>
        <translation>Hilfe zum Analyse-Notizbuch</translation>
    </message>
    <message>
        <source>Studies Help</source>
        <translation>Hilfe zu Analysen</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts Help</source>
        <translation>Hilfe zu Tastenkürzeln</translation>
    </message>
    <message>
        <source>Financial History…</source>
        <translation>Finanzhistorie…</translation>
    </message>
    <message>
        <source>Financial History</source>
        <translation>Finanzhistorie</translation>
    </message>
</context>
<context>
    <name>kelvo::app::ResearchLinksWindow</name>
    <message>
        <source>Research Links</source>
        <translation>Recherche-Links</translation>
    </message>
    <message>
        <source>Use today&apos;s addresses</source>
        <translation>Heutige Adressen verwenden</translation>
    </message>
    <message>
        <source>Many sites have retired the addresses the wizard was built with. Today&apos;s set replaces them with addresses that work now.</source>
        <translation>Viele Websites haben die Adressen stillgelegt, mit denen der Assistent gebaut wurde. Der heutige Satz ersetzt sie durch Adressen, die jetzt funktionieren.</translation>
    </message>
    <message>
        <source>&amp;Links, by the wizard&apos;s steps:</source>
        <translation>&amp;Links nach Schritten des Assistenten:</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Bedienelement</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Vorlage</translation>
    </message>
    <message>
        <source>Address now</source>
        <translation>Aktuelle Adresse</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Herkunft</translation>
    </message>
    <message>
        <source>Selected link</source>
        <translation>Gewählter Link</translation>
    </message>
    <message>
        <source>&amp;Template:</source>
        <translation>&amp;Vorlage:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Writes the template into your links.conf; the wizard uses it at once.</source>
        <translation>Schreibt die Vorlage in Ihre links.conf; der Assistent verwendet sie sofort.</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Removes your own row for this link from your links.conf.</source>
        <translation>Entfernt Ihre eigene Zeile für diesen Link aus Ihrer links.conf.</translation>
    </message>
    <message>
        <source>&amp;Problems in link files:</source>
        <translation>&amp;Probleme in Link-Dateien:</translation>
    </message>
    <message>
        <source>Problems in link files</source>
        <translation>Probleme in Link-Dateien</translation>
    </message>
    <message>
        <source>No problems were found.</source>
        <translation>Es wurden keine Probleme gefunden.</translation>
    </message>
    <message>
        <source>This template is refused: %1.</source>
        <translation>Diese Vorlage wird abgelehnt: %1.</translation>
    </message>
    <message>
        <source>This is the template in use.</source>
        <translation>Diese Vorlage ist in Gebrauch.</translation>
    </message>
    <message>
        <source>This template is accepted.</source>
        <translation>Diese Vorlage wird angenommen.</translation>
    </message>
    <message>
        <source>Opens the template in the box, saved or not, as the control would, for the chosen company.</source>
        <translation>Öffnet die Vorlage im Feld, ob gespeichert oder nicht, so wie das Bedienelement es für das gewählte Unternehmen täte.</translation>
    </message>
    <message>
        <source>Research Links shows every research button and link of the wizard, the address it opens now for the wizard&apos;s company, and where that address comes from: built in, today&apos;s addresses, a packager&apos;s file or your own.

In a template, {symbol} stands for the symbol box, {name} for the company&apos;s name, {listsymbol} for the symbol of the row chosen in the list and {yahoosymbol} for the symbol as Yahoo writes it (BRK-B).

Save writes the template of the selected link into your own file, which wins over every other; Reset takes your row out of it again. Your file is:
%1</source>
        <translation>Recherche-Links zeigt jede Recherche-Schaltfläche und jeden Link des Assistenten, die Adresse, die er jetzt für das Unternehmen des Assistenten öffnet, und woher diese Adresse kommt: eingebaut, die heutigen Adressen, eine Datei des Paketbetreuers oder Ihre eigene.

In einer Vorlage steht {symbol} für das Symbolfeld, {name} für den Namen des Unternehmens, {listsymbol} für das Symbol der in der Liste gewählten Zeile und {yahoosymbol} für das Symbol in Yahoos Schreibweise (BRK-B).

Speichern schreibt die Vorlage des gewählten Links in Ihre eigene Datei, die Vorrang vor allen anderen hat; Zurücksetzen nimmt Ihre Zeile wieder heraus. Ihre Datei ist:
%1</translation>
    </message>
</context>
<context>
    <name>kelvo::app::SensitivityTable</name>
    <message>
        <source>Sensitivity</source>
        <translation>Sensitivität</translation>
    </message>
    <message>
        <source>Growth %1</source>
        <translation>Wachstum %1</translation>
    </message>
    <message>
        <source>Discount %1</source>
        <translation>Abzinsung %1</translation>
    </message>
    <message>
        <source>Growth</source>
        <translation>Wachstum</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Abzinsung</translation>
    </message>
    <message>
        <source>The price is at or below the buy-below price of this value.</source>
        <translation>Der Kurs liegt auf oder unter dem Kauflimit dieses Werts.</translation>
    </message>
</context>
<context>
    <name>kelvo::app::ShortcutList</name>
    <message>
        <source>%1 menu</source>
        <translation>Menü „%1“</translation>
    </message>
</context>
<context>
    <name>kelvo::app::StudiesWindow</name>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Studies</source>
        <translation>Analysen</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Unternehmen</translation>
    </message>
    <message>
        <source>Last saved</source>
        <translation>Zuletzt gespeichert</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Urteil</translation>
    </message>
    <message>
        <source>Buy-below price</source>
        <translation>Kauflimit</translation>
    </message>
    <message>
        <source>Saved studies</source>
        <translation>Gespeicherte Analysen</translation>
    </message>
    <message>
        <source>Opens the selected study in the Study Notebook.</source>
        <translation>Öffnet die gewählte Analyse im Analyse-Notizbuch.</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>There are no studies in %1 yet. Studies you save in the Study Notebook are listed here.</source>
        <translation>In %1 gibt es noch keine Analysen. Analysen, die Sie im Analyse-Notizbuch speichern, werden hier aufgeführt.</translation>
    </message>
    <message>
        <source>Studies in %1: %2. Double-click one, or select it and press Return, to open it.</source>
        <translation>Analysen in %1: %2. Doppelklicken Sie auf eine, oder wählen Sie sie aus und drücken Sie die Eingabetaste, um sie zu öffnen.</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>not a study</source>
        <translation>keine Analyse</translation>
    </message>
    <message>
        <source>newer version</source>
        <translation>neuere Version</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>beschädigt</translation>
    </message>
    <message>
        <source>Reads the studies folder again. Shortcut: %1</source>
        <translation>Liest den Ordner der Analysen neu ein. Tastenkürzel: %1</translation>
    </message>
    <message>
        <source>Studies in %1: %2. Files that cannot be opened: %3. Double-click one, or select it and press Return, to open it or to learn why it cannot be opened.</source>
        <translation>Analysen in %1: %2. Dateien, die sich nicht öffnen lassen: %3. Doppelklicken Sie auf eine, oder wählen Sie sie aus und drücken Sie die Eingabetaste, um sie zu öffnen oder zu erfahren, warum sie sich nicht öffnen lässt.</translation>
    </message>
    <message>
        <source>The studies folder %1 does not exist yet. It is made when you save your first study.</source>
        <translation>Den Ordner der Analysen %1 gibt es noch nicht. Er wird angelegt, wenn Sie Ihre erste Analyse speichern.</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Show Studies &amp;Folder</source>
        <translation>&amp;Ordner der Analysen anzeigen</translation>
    </message>
    <message>
        <source>Shows the studies folder in the file manager.</source>
        <translation>Zeigt den Ordner der Analysen in der Dateiverwaltung.</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Tastenkürzel: %1</translation>
    </message>
    <message>
        <source>Re&amp;name…</source>
        <translation>&amp;Umbenennen…</translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation>In den &amp;Papierkorb verschieben</translation>
    </message>
    <message>
        <source>New name for “%1”:</source>
        <translation>Neuer Name für „%1“:</translation>
    </message>
    <message>
        <source>Rename Study</source>
        <translation>Analyse umbenennen</translation>
    </message>
    <message>
        <source>Move “%1” to the trash? You can restore it from there with the file manager.</source>
        <translation>„%1“ in den Papierkorb verschieben? Mit der Dateiverwaltung können Sie die Datei von dort wiederherstellen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Studies lists the studies in your studies folder, newest first, with each company&apos;s verdict and buy-below price. It follows the folder while it is open. Return or a double-click opens a study in the Study Notebook; F2 renames its file (the study&apos;s company stays the same) and Delete moves it to the desktop&apos;s trash, from where the file manager can restore it.

The studies folder is:
%1</source>
        <translation>Analysen zeigt die Analysen in Ihrem Analysen-Ordner, die neueste zuerst, mit Urteil und Kauflimit jedes Unternehmens. Solange das Fenster offen ist, folgt es dem Ordner. Eingabetaste oder Doppelklick öffnet eine Analyse im Analyse-Notizbuch; F2 benennt ihre Datei um (das Unternehmen der Analyse bleibt dasselbe) und Entf verschiebt sie in den Papierkorb der Arbeitsumgebung, aus dem die Dateiverwaltung sie wiederherstellen kann.

Der Analysen-Ordner ist:
%1</translation>
    </message>
</context>
<context>
    <name>kelvo::app::StudyNotebook</name>
    <message>
        <source>Studies (*.%1)</source>
        <translation>Analysen (*.%1)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Study</source>
        <translation>&amp;Neue Analyse</translation>
    </message>
    <message>
        <source>&amp;Open Study…</source>
        <translation>Analyse ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Export as P&amp;DF…</source>
        <translation>Als &amp;PDF exportieren…</translation>
    </message>
    <message>
        <source>Export as Mar&amp;kdown…</source>
        <translation>Als &amp;Markdown exportieren…</translation>
    </message>
    <message>
        <source>S&amp;tudies…</source>
        <translation>&amp;Analysen…</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Study Notebook - %1[*]</source>
        <translation>Analyse-Notizbuch - %1[*]</translation>
    </message>
    <message>
        <source>This study has changes that are not saved. Do you want to save them?</source>
        <translation>Diese Analyse hat ungespeicherte Änderungen. Möchten Sie sie speichern?</translation>
    </message>
    <message>
        <source>The study of %1 has changes that are not saved. Do you want to save them?</source>
        <translation>Die Analyse von %1 hat ungespeicherte Änderungen. Möchten Sie sie speichern?</translation>
    </message>
    <message>
        <source>Study Notebook</source>
        <translation>Analyse-Notizbuch</translation>
    </message>
    <message>
        <source>Open Study</source>
        <translation>Analyse öffnen</translation>
    </message>
    <message>
        <source>no symbol</source>
        <translation>kein Symbol</translation>
    </message>
    <message>
        <source>Kelvo Wizard found notes that were not saved when it last ended (%1, %2). Recover them?</source>
        <translation>Kelvo Wizard hat Notizen gefunden, die beim letzten Beenden nicht gespeichert waren (%1, %2). Sollen sie wiederhergestellt werden?</translation>
    </message>
    <message>
        <source>Save Study</source>
        <translation>Analyse speichern</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <translation>Gespeichert als %1.</translation>
    </message>
    <message>
        <source>The Valuation Workbench has no figures yet. Work out a value there first, then take its figures again.</source>
        <translation>Die Bewertungswerkbank hat noch keine Zahlen. Ermitteln Sie dort zuerst einen Wert und übernehmen Sie dann die Zahlen erneut.</translation>
    </message>
    <message>
        <source>Print Study</source>
        <translation>Analyse drucken</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Exportiert nach %1.</translation>
    </message>
    <message>
        <source>Export as Markdown</source>
        <translation>Als Markdown exportieren</translation>
    </message>
    <message>
        <source>Markdown (*.md)</source>
        <translation>Markdown (*.md)</translation>
    </message>
    <message>
        <source>Study Notebook - %1 (read-only)[*]</source>
        <translation>Analyse-Notizbuch - %1 (schreibgeschützt)[*]</translation>
    </message>
    <message>
        <source>“%1” is open in another copy of Kelvo Wizard. Save the study under another name, or close it there first.</source>
        <translation>„%1“ ist in einer anderen Instanz von Kelvo Wizard geöffnet. Speichern Sie die Analyse unter einem anderen Namen, oder schließen Sie sie dort zuerst.</translation>
    </message>
    <message>
        <source>“%1” is in the folder of the recovery copies, which the program empties by itself. Please choose another folder.</source>
        <translation>„%1“ liegt im Ordner der Wiederherstellungskopien, den das Programm selbst leert. Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>“%1” is the study shown here: an export would replace its notes. Please choose another name.</source>
        <translation>„%1“ ist die hier gezeigte Analyse: Ein Export würde ihre Notizen ersetzen. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>“%1” is already open in another copy of Kelvo Wizard. Open it read-only, or not at all?</source>
        <translation>„%1“ ist bereits in einer anderen Instanz von Kelvo Wizard geöffnet. Schreibgeschützt öffnen oder gar nicht?</translation>
    </message>
    <message>
        <source>Open &amp;Read-Only</source>
        <translation>&amp;Schreibgeschützt öffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The study file was changed by another program since it was opened. Overwrite it, save as another file, or cancel?</source>
        <translation>Die Analysedatei wurde seit dem Öffnen von einem anderen Programm geändert. Überschreiben, als andere Datei speichern oder abbrechen?</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Überschreiben</translation>
    </message>
    <message>
        <source>&amp;Save As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>The Study Notebook keeps your study of one company: your notes on the checklist&apos;s steps, the valuation you take from the workbench, and your verdict.

A study is written only when you save it, as one file; new studies go into:
%1

While a study has unsaved changes, a recovery copy is kept in:
%2
If the program ends before you save, it offers the notes back at the next start. The File menu also prints the study and exports it as PDF or Markdown.</source>
        <translation>Das Analyse-Notizbuch enthält Ihre Analyse eines Unternehmens: Ihre Notizen zu den Schritten der Checkliste, die Bewertung, die Sie aus der Werkbank übernehmen, und Ihr Urteil.

Eine Analyse wird nur geschrieben, wenn Sie sie speichern, als eine Datei; neue Analysen kommen in:
%1

Solange eine Analyse ungespeicherte Änderungen hat, wird eine Wiederherstellungskopie aufbewahrt in:
%2
Endet das Programm vor dem Speichern, bietet es die Notizen beim nächsten Start wieder an. Über das Menü Datei lässt sich die Analyse auch drucken und als PDF oder Markdown exportieren.</translation>
    </message>
    <message>
        <source>The figures of %1 were taken into the study.</source>
        <translation>Die Zahlen von %1 wurden in die Analyse übernommen.</translation>
    </message>
</context>
<context>
    <name>kelvo::app::StudyPage</name>
    <message>
        <source>Another copy of Kelvo Wizard has this study open, so it is read-only here: Save keeps your changes in another file.</source>
        <translation>Eine andere Instanz von Kelvo Wizard hat diese Analyse geöffnet, deshalb ist sie hier schreibgeschützt: Speichern legt Ihre Änderungen in einer anderen Datei ab.</translation>
    </message>
    <message>
        <source>Read-only notice</source>
        <translation>Hinweis auf Schreibschutz</translation>
    </message>
    <message>
        <source>Study of %1 (%2)</source>
        <translation>Analyse von %1 (%2)</translation>
    </message>
    <message>
        <source>Study of %1</source>
        <translation>Analyse von %1</translation>
    </message>
    <message>
        <source>Study of a company not named yet</source>
        <translation>Analyse eines noch nicht benannten Unternehmens</translation>
    </message>
    <message>
        <source>Reported figures of %1 (CIK %2), %3 to %4, downloaded %5: printed with the study.</source>
        <translation>Gemeldete Zahlen von %1 (CIK %2), %3 bis %4, heruntergeladen am %5: werden mit der Analyse gedruckt.</translation>
    </message>
</context>
<context>
    <name>kelvo::app::ValuationChart</name>
    <message>
        <source>Chart of value per share against the growth rate</source>
        <translation>Diagramm des Werts je Aktie nach der Wachstumsrate</translation>
    </message>
    <message>
        <source>Type a growth rate to see how the values follow it.</source>
        <translation>Geben Sie eine Wachstumsrate ein, um zu sehen, wie die Werte ihr folgen.</translation>
    </message>
    <message>
        <source>No method has a value for these inputs.</source>
        <translation>Für diese Eingaben liefert keine Methode einen Wert.</translation>
    </message>
    <message>
        <source>Price %1</source>
        <translation>Kurs %1</translation>
    </message>
    <message>
        <source>Growth rate (% a year)</source>
        <translation>Wachstumsrate (% pro Jahr)</translation>
    </message>
    <message>
        <source>Value per share</source>
        <translation>Wert je Aktie</translation>
    </message>
    <message>
        <source>%1T</source>
        <translation>%1 Bio.</translation>
    </message>
    <message>
        <source>%1B</source>
        <translation>%1 Mrd.</translation>
    </message>
    <message>
        <source>%1M</source>
        <translation>%1 Mio.</translation>
    </message>
</context>
<context>
    <name>kelvo::app::ValuationPart</name>
    <message>
        <source>Valuation</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Valuation inputs</source>
        <translation>Eingaben der Bewertung</translation>
    </message>
    <message>
        <source>Valuation results</source>
        <translation>Ergebnisse der Bewertung</translation>
    </message>
    <message>
        <source>&amp;Take from Workbench</source>
        <translation>Aus der Werkbank ü&amp;bernehmen</translation>
    </message>
    <message>
        <source>Copies the Valuation Workbench&apos;s inputs and results into this study.</source>
        <translation>Übernimmt die Eingaben und Ergebnisse der Bewertungswerkbank in diese Analyse.</translation>
    </message>
    <message>
        <source>There is no Valuation Workbench in this program to take from.</source>
        <translation>In diesem Programm gibt es keine Bewertungswerkbank, aus der sich etwas übernehmen ließe.</translation>
    </message>
    <message>
        <source>The figures as the Valuation Workbench showed them:</source>
        <translation>Die Zahlen, wie die Bewertungswerkbank sie zeigte:</translation>
    </message>
    <message>
        <source>No figures yet: take them from the Valuation Workbench.</source>
        <translation>Noch keine Zahlen: Übernehmen Sie sie aus der Bewertungswerkbank.</translation>
    </message>
    <message>
        <source>No figures: there is no Valuation Workbench to take them from.</source>
        <translation>Keine Zahlen: Es gibt keine Bewertungswerkbank, aus der sie sich übernehmen ließen.</translation>
    </message>
</context>
<context>
    <name>kelvo::app::ValuationWorkbench</name>
    <message>
        <source>Earnings per share</source>
        <translation>Gewinn je Aktie</translation>
    </message>
    <message>
        <source>Growth rate (% a year)</source>
        <translation>Wachstumsrate (% pro Jahr)</translation>
    </message>
    <message>
        <source>Years of growth</source>
        <translation>Wachstumsjahre</translation>
    </message>
    <message>
        <source>Discount rate (% a year)</source>
        <translation>Abzinsungssatz (% pro Jahr)</translation>
    </message>
    <message>
        <source>Growth after that (% a year)</source>
        <translation>Wachstum danach (% pro Jahr)</translation>
    </message>
    <message>
        <source>Book value per share</source>
        <translation>Buchwert je Aktie</translation>
    </message>
    <message>
        <source>AAA bond yield (%)</source>
        <translation>Rendite von AAA-Anleihen (%)</translation>
    </message>
    <message>
        <source>Current price</source>
        <translation>Aktueller Kurs</translation>
    </message>
    <message>
        <source>Margin of safety (%)</source>
        <translation>Sicherheitsmarge (%)</translation>
    </message>
    <message>
        <source>Wizard&apos;s estimate</source>
        <translation>Schätzung des Assistenten</translation>
    </message>
    <message>
        <source>E × (1 + g − r)^n: the IV Estimator page compounds at the growth above the discount rate.</source>
        <translation>E × (1 + g − r)^n: Die Seite Wertrechner zinst mit dem Wachstum über dem Abzinsungssatz auf.</translation>
    </message>
    <message>
        <source>Graham formula</source>
        <translation>Graham-Formel</translation>
    </message>
    <message>
        <source>E × (8.5 + 2g) × 4.4 / Y: Graham&apos;s price for growth, scaled by today&apos;s bond yield.</source>
        <translation>E × (8.5 + 2g) × 4.4 / Y: Grahams Preis für Wachstum, skaliert mit der heutigen Anleiherendite.</translation>
    </message>
    <message>
        <source>Graham number</source>
        <translation>Graham-Zahl</translation>
    </message>
    <message>
        <source>√(22.5 × E × B): at most 15 times earnings and 1.5 times book value.</source>
        <translation>√(22.5 × E × B): höchstens das 15-Fache des Gewinns und das 1.5-Fache des Buchwerts.</translation>
    </message>
    <message>
        <source>Discounted earnings</source>
        <translation>Abgezinste Gewinne</translation>
    </message>
    <message>
        <source>n years of earnings growing at g, then at t for ever, all discounted at r.</source>
        <translation>n Jahre Gewinne mit Wachstum g, danach für immer mit t, alles abgezinst mit r.</translation>
    </message>
    <message>
        <source>Earnings power value</source>
        <translation>Ertragskraftwert</translation>
    </message>
    <message>
        <source>E / r: today&apos;s earnings for ever, with no growth, discounted at r.</source>
        <translation>E / r: die heutigen Gewinne für immer, ohne Wachstum, abgezinst mit r.</translation>
    </message>
    <message>
        <source>Valuation Workbench</source>
        <translation>Bewertungswerkbank</translation>
    </message>
    <message>
        <source>Value per share against the growth rate</source>
        <translation>Wert je Aktie nach Wachstumsrate</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Puts the inputs and results on the clipboard as plain text.</source>
        <translation>Legt Eingaben und Ergebnisse als reinen Text in die Zwischenablage.</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Eingaben</translation>
    </message>
    <message>
        <source>Value per share by method</source>
        <translation>Wert je Aktie nach Methode</translation>
    </message>
    <message>
        <source>Method: %1</source>
        <translation>Methode: %1</translation>
    </message>
    <message>
        <source>%1 margin of safety</source>
        <translation>%1: Sicherheitsmarge</translation>
    </message>
    <message>
        <source>%1 buy below</source>
        <translation>%1: kaufen unter</translation>
    </message>
    <message>
        <source>How sensitive it is</source>
        <translation>Sensitivität</translation>
    </message>
    <message>
        <source>Discounted earnings per share: discount rate down, growth rate across. Shaded: the price is at or below the buy-below price.</source>
        <translation>Abgezinste Gewinne je Aktie: Abzinsungssatz nach unten, Wachstumsrate nach rechts. Farbig hinterlegt: Der Kurs liegt auf oder unter dem Kauflimit.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>    Margin of safety: %1</source>
        <translation>    Sicherheitsmarge: %1</translation>
    </message>
    <message>
        <source>    Buy below: %1</source>
        <translation>    Kaufen unter: %1</translation>
    </message>
    <message>
        <source>e.g. 3.20</source>
        <translation>z. B. 3.20</translation>
    </message>
    <message>
        <source>&amp;Take from IV Estimator</source>
        <translation>Aus &amp;Wertrechner übernehmen</translation>
    </message>
    <message>
        <source>Takes earnings per share, growth rate and years from the IV Estimator page.</source>
        <translation>Übernimmt Gewinn je Aktie, Wachstumsrate und Jahre von der Seite Wertrechner.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>company name (symbol)</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation>keines gewählt</translation>
    </message>
    <message>
        <source>Company: %1</source>
        <translation>Unternehmen: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Use a point for decimals: 3.20</source>
        <translation>Dezimalpunkt verwenden: 3.20</translation>
    </message>
    <message>
        <source>needs earnings per share</source>
        <translation>braucht den Gewinn je Aktie</translation>
    </message>
    <message>
        <source>needs positive earnings</source>
        <translation>braucht einen positiven Gewinn</translation>
    </message>
    <message>
        <source>needs a growth rate</source>
        <translation>braucht eine Wachstumsrate</translation>
    </message>
    <message>
        <source>needs a growth rate from -100% to 1,000%</source>
        <translation>braucht eine Wachstumsrate von -100% bis 1000%</translation>
    </message>
    <message>
        <source>needs years of growth</source>
        <translation>braucht die Wachstumsjahre</translation>
    </message>
    <message>
        <source>needs years from 0 to 100</source>
        <translation>braucht Jahre von 0 bis 100</translation>
    </message>
    <message>
        <source>needs whole years from 1 to 100</source>
        <translation>braucht ganze Jahre von 1 bis 100</translation>
    </message>
    <message>
        <source>needs a discount rate</source>
        <translation>braucht einen Abzinsungssatz</translation>
    </message>
    <message>
        <source>needs a discount rate from 0 to 1,000%</source>
        <translation>braucht einen Abzinsungssatz von 0 bis 1000%</translation>
    </message>
    <message>
        <source>needs a positive discount rate</source>
        <translation>braucht einen positiven Abzinsungssatz</translation>
    </message>
    <message>
        <source>needs the growth after that</source>
        <translation>braucht das Wachstum danach</translation>
    </message>
    <message>
        <source>needs the growth after that from -100% to 1,000%</source>
        <translation>braucht das Wachstum danach von -100% bis 1000%</translation>
    </message>
    <message>
        <source>needs a discount rate above the growth after that</source>
        <translation>braucht einen Abzinsungssatz über dem Wachstum danach</translation>
    </message>
    <message>
        <source>needs a positive book value</source>
        <translation>braucht einen positiven Buchwert</translation>
    </message>
    <message>
        <source>needs a positive bond yield</source>
        <translation>braucht eine positive Anleiherendite</translation>
    </message>
    <message>
        <source>needs a positive price</source>
        <translation>braucht einen positiven Kurs</translation>
    </message>
    <message>
        <source>needs a margin of safety</source>
        <translation>braucht eine Sicherheitsmarge</translation>
    </message>
    <message>
        <source>needs a margin from 0 to 100%</source>
        <translation>braucht eine Marge von 0 bis 100%</translation>
    </message>
    <message>
        <source>none: the value is $0.00 or less</source>
        <translation>keine: Der Wert ist $0.00 oder weniger</translation>
    </message>
    <message>
        <source>not defined for these inputs</source>
        <translation>für diese Eingaben nicht definiert</translation>
    </message>
    <message>
        <source>too large to show</source>
        <translation>zu groß für die Anzeige</translation>
    </message>
    <message>
        <source>Type a growth rate to see how the values follow it.</source>
        <translation>Geben Sie eine Wachstumsrate ein, um zu sehen, wie die Werte ihr folgen.</translation>
    </message>
    <message>
        <source>The chart %1.</source>
        <extracomment>The chart needs a growth rate from -100% to 1,000%.</extracomment>
        <translation>Das Diagramm %1.</translation>
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
        <translation>Die Bewertungswerkbank stellt die Schätzung des Assistenten neben vier weitere Arten, eine Aktie zu bewerten, aus denselben Zahlen. Jedes Ergebnis folgt den Feldern während der Eingabe; eine Methode, der eine Zahl fehlt, sagt, welche.

E ist der Gewinn je Aktie, g die Wachstumsrate, n die Wachstumsjahre, r der Abzinsungssatz, t das Wachstum nach diesen Jahren, B der Buchwert je Aktie und Y die Rendite von AAA-Anleihen.
• Schätzung des Assistenten: E × (1 + g − r)^n, wie die Seite Wertrechner sie berechnet.
• Graham-Formel: E × (8,5 + 2g) × 4,4 / Y.
• Graham-Zahl: √(22,5 × E × B).
• Abgezinste Gewinne: n Jahre Gewinne, die mit g wachsen, danach für immer mit t, alle mit r abgezinst.
• Ertragskraftwert: E / r.

Jeder Wert V hat sein Kauflimit V × (1 − m) für die Sicherheitsmarge m und mit dem aktuellen Kurs P seine eigene Marge (V − P) / V. Die Tabelle zeigt die abgezinsten Gewinne bei Abzinsungssätzen um r und Wachstumsraten um g; das Diagramm zeichnet jede Methode über Wachstumsraten um g.</translation>
    </message>
    <message>
        <source>Take from &amp;Financial History</source>
        <translation>Aus &amp;Finanzhistorie übernehmen</translation>
    </message>
    <message>
        <source>Takes earnings per share and book value per share of the newest year, and the growth rate, from the company&apos;s reported figures. The price stays yours to type.</source>
        <translation>Übernimmt Gewinn je Aktie und Buchwert je Aktie des neuesten Jahres sowie die Wachstumsrate aus den gemeldeten Zahlen des Unternehmens. Den Kurs geben Sie weiterhin selbst ein.</translation>
    </message>
    <message>
        <source>%1 was left as it was: %2</source>
        <translation>%1 blieb unverändert: %2</translation>
    </message>
    <message>
        <source>From Financial History: %1</source>
        <translation>Aus der Finanzhistorie: %1</translation>
    </message>
    <message>
        <source>In %1, not US dollars.</source>
        <translation>In %1, nicht in US-Dollar.</translation>
    </message>
</context>
<context>
    <name>kelvo::app::VerdictPart</name>
    <message>
        <source>Verdict</source>
        <translation>Urteil</translation>
    </message>
    <message>
        <source>Buy-below price</source>
        <translation>Kauflimit</translation>
    </message>
    <message>
        <source>For example $42.50</source>
        <translation>Zum Beispiel $42.50</translation>
    </message>
    <message>
        <source>Reasoning</source>
        <translation>Begründung</translation>
    </message>
    <message>
        <source>Why, in one line</source>
        <translation>Warum, in einer Zeile</translation>
    </message>
    <message>
        <source>Bu&amp;y-below price:</source>
        <translation>Kauf&amp;limit:</translation>
    </message>
    <message>
        <source>&amp;Reasoning:</source>
        <translation>Beg&amp;ründung:</translation>
    </message>
</context>
<context>
    <name>kelvo::filings::DownloadedFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation>Es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>Die Datei existiert nicht</translation>
    </message>
</context>
<context>
    <name>kelvo::filings::FiguresCache</name>
    <message>
        <source>the folder “%1” could not be created</source>
        <translation>Der Ordner „%1“ konnte nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>kelvo::filings::SecDocuments</name>
    <message>
        <source>It is not valid JSON text.</source>
        <translation>Der Inhalt ist kein gültiger JSON-Text.</translation>
    </message>
    <message>
        <source>It is not the SEC&apos;s list of symbols.</source>
        <translation>Es ist nicht die Symbolliste der SEC.</translation>
    </message>
    <message>
        <source>It is not a company&apos;s figures (company facts) from the SEC.</source>
        <translation>Es sind keine Unternehmenszahlen (Company Facts) der SEC.</translation>
    </message>
    <message>
        <source>It holds the figures of the company with CIK %1, not of CIK %2.</source>
        <translation>Es enthält die Zahlen des Unternehmens mit der CIK %1, nicht der CIK %2.</translation>
    </message>
</context>
<context>
    <name>kelvo::filings::SecErrors</name>
    <message>
        <source>The SEC answered the request for its list of symbols with HTTP status %1, which this program does not expect. Try again later.</source>
        <translation>Die SEC hat die Anfrage nach ihrer Symbolliste mit dem HTTP-Status %1 beantwortet, den dieses Programm nicht erwartet. Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>The SEC answered the request for the company&apos;s figures with HTTP status %1, which this program does not expect. Try again later.</source>
        <translation>Die SEC hat die Anfrage nach den Zahlen des Unternehmens mit dem HTTP-Status %1 beantwortet, den dieses Programm nicht erwartet. Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>The SEC&apos;s list of symbols is damaged. %1 Try the download again later.</source>
        <translation>Die Symbolliste der SEC ist beschädigt. %1 Versuchen Sie den Download später erneut.</translation>
    </message>
    <message>
        <source>The company&apos;s figures are damaged or are not the SEC&apos;s company facts. %1 Download them again, or open another file.</source>
        <translation>Die Zahlen des Unternehmens sind beschädigt oder keine Company Facts der SEC. %1 Laden Sie sie erneut herunter, oder öffnen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>Type your e-mail address as the contact first, such as name@example.com. The SEC asks every program that downloads its data to name a contact, and refuses those that do not.</source>
        <translation>Geben Sie zuerst Ihre E-Mail-Adresse als Kontakt ein, etwa name@example.com. Die SEC verlangt von jedem Programm, das ihre Daten herunterlädt, einen Kontakt und weist Programme ohne Kontakt ab.</translation>
    </message>
    <message>
        <source>The address “%1” in KELVO_SEC_BASE_URL is refused: only https addresses, or plain http to 127.0.0.1 or localhost, are used. Correct the variable or remove it, and start the program again.</source>
        <translation>Die Adresse „%1“ in KELVO_SEC_BASE_URL wird abgelehnt: Verwendet werden nur https-Adressen oder einfaches http zu 127.0.0.1 oder localhost. Korrigieren oder entfernen Sie die Variable, und starten Sie das Programm neu.</translation>
    </message>
    <message>
        <source>“%1” is not a company number (CIK) of the SEC. Look the company up again.</source>
        <translation>„%1“ ist keine Unternehmensnummer (CIK) der SEC. Suchen Sie das Unternehmen erneut.</translation>
    </message>
    <message>
        <source>The SEC refused the download (HTTP 403). Check that the contact e-mail is your own working address. After many requests in a short time the SEC refuses all of them for a while: wait ten minutes, then try again.</source>
        <translation>Die SEC hat den Download abgelehnt (HTTP 403). Prüfen Sie, ob die Kontakt-E-Mail Ihre eigene, funktionierende Adresse ist. Nach vielen Anfragen in kurzer Zeit lehnt die SEC eine Weile alle ab: Warten Sie zehn Minuten, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The SEC has no reported figures for this company. Funds, trusts and some foreign companies file none in this form.</source>
        <translation>Die SEC hat für dieses Unternehmen keine gemeldeten Zahlen. Fonds, Trusts und manche ausländischen Unternehmen melden keine in dieser Form.</translation>
    </message>
    <message>
        <source>The SEC is busy and did not answer (HTTP %1). Try again later.</source>
        <translation>Die SEC ist ausgelastet und hat nicht geantwortet (HTTP %1). Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>The download timed out: the SEC sent nothing for %1 seconds. Check the network connection and try again.</source>
        <translation>Zeitüberschreitung beim Download: Die SEC hat %1 Sekunden lang nichts gesendet. Prüfen Sie die Netzwerkverbindung, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The SEC&apos;s server “%1” could not be found: the computer seems to have no network connection. Check the connection and try again.</source>
        <translation>Der Server „%1“ der SEC wurde nicht gefunden: Der Computer scheint keine Netzwerkverbindung zu haben. Prüfen Sie die Verbindung, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The SEC&apos;s server “%1” refused the connection. Try again later, and check any firewall or proxy that may block it.</source>
        <translation>Der Server „%1“ der SEC hat die Verbindung abgelehnt. Versuchen Sie es später erneut, und prüfen Sie, ob eine Firewall oder ein Proxy sie blockiert.</translation>
    </message>
    <message>
        <source>The network is unreachable, so the SEC could not be asked. Check the computer&apos;s network connection and try again.</source>
        <translation>Das Netzwerk ist nicht erreichbar, daher konnte die SEC nicht gefragt werden. Prüfen Sie die Netzwerkverbindung des Computers, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The download from the SEC failed: %1. Check the network connection and try again.</source>
        <translation>Der Download von der SEC ist fehlgeschlagen: %1. Prüfen Sie die Netzwerkverbindung, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The SEC&apos;s server sent the request on to “%1”, which this program does not follow: it sends your contact e-mail only to the SEC, and only over https. Try again later.</source>
        <translation>Der Server der SEC hat die Anfrage an „%1“ weitergeleitet, wohin dieses Programm nicht folgt: Es sendet Ihre Kontakt-E-Mail nur an die SEC und nur über https. Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>The connection was closed before the whole file had arrived. Try the download again.</source>
        <translation>Die Verbindung wurde geschlossen, bevor die ganze Datei angekommen war. Versuchen Sie den Download erneut.</translation>
    </message>
    <message>
        <source>The file is too large: it is over %1 MB, far more than the SEC&apos;s documents need, so it was not read. Try again later, or open another file.</source>
        <translation>Die Datei ist zu groß: Mit über %1 MB ist sie weit größer, als die Dokumente der SEC sein müssen, und wurde daher nicht gelesen. Versuchen Sie es später erneut, oder öffnen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>Der Download wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The SEC&apos;s list of symbols has no “%1”. The company may have been renamed, bought or delisted, or its symbol changed: look it up in the SEC&apos;s company search (EDGAR), or choose another company.</source>
        <translation>Die Symbolliste der SEC enthält „%1“ nicht. Das Unternehmen wurde vielleicht umbenannt, übernommen oder von der Börse genommen, oder sein Symbol hat sich geändert: Suchen Sie es in der Unternehmenssuche der SEC (EDGAR), oder wählen Sie ein anderes Unternehmen.</translation>
    </message>
    <message>
        <source>The file could not be read: %1. Choose another file.</source>
        <translation>Die Datei konnte nicht gelesen werden: %1. Wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>The figures could not be kept for the next time (%1), so they will be downloaded again.</source>
        <translation>Die Zahlen konnten nicht für das nächste Mal aufbewahrt werden (%1), daher werden sie erneut heruntergeladen.</translation>
    </message>
</context>
<context>
    <name>kelvo::guidance</name>
    <message>
        <source>This software will help you become a better stock investor.  It is simple to navigate.  Most of the buttons require an active connection to the internet.</source>
        <translation>Dieses Programm hilft Ihnen, ein besserer Aktienanleger zu werden.  Es ist einfach zu bedienen.  Die meisten Schaltflächen brauchen eine aktive Internetverbindung.</translation>
    </message>
    <message>
        <source>They generate links about the company and call internet search engines</source>
        <translation>Die Schaltflächen erzeugen Links zum Unternehmen und rufen Suchmaschinen im Internet auf</translation>
    </message>
    <message>
        <source>For more information about Value Investing, see Vantrell et al. in their book, Value Investing.</source>
        <translation>Mehr über Value Investing finden Sie bei Vantrell u. a. in ihrem Buch „Value Investing“.</translation>
    </message>
    <message>
        <source>They follow the tradition of Elmont Corvin&apos;s teachers, Orwin Tessel and Leontes Dravell.</source>
        <translation>Die Autoren stehen in der Tradition von Elmont Corvins Lehrern Orwin Tessel und Leontes Dravell.</translation>
    </message>
    <message>
        <source>Intelligent Investing is based on a thorough grasp of the economic situation.</source>
        <translation>Intelligentes Investieren beruht auf einem gründlichen Verständnis der wirtschaftlichen Lage.</translation>
    </message>
    <message>
        <source>They put more emphasis on information about the firm that is solid and certain. And, their method is based on three components: </source>
        <translation>Die Autoren legen mehr Gewicht auf Informationen über das Unternehmen, die solide und sicher sind. Und ihre Methode beruht auf drei Bestandteilen: </translation>
    </message>
    <message>
        <source>The Value of the Assets, the Value of the Earnings Power, and the Value of Growth.</source>
        <translation>Dem Wert des Vermögens, dem Wert der Ertragskraft und dem Wert des Wachstums.</translation>
    </message>
    <message>
        <source>Corvin and Pradley have added the search for Moats: Sustainable Competitive Advantages.</source>
        <translation>Corvin und Pradley haben die Suche nach Burggräben ergänzt: nach dauerhaften Wettbewerbsvorteilen.</translation>
    </message>
    <message>
        <source>This software is dedicated to my daughter with love.</source>
        <translation>Dieses Programm ist meiner Tochter in Liebe gewidmet.</translation>
    </message>
    <message>
        <source>Competitive Advantages can include Technology, Brand Awareness, Size, and Efficiencies in the Cost of Production and Distribution.</source>
        <translation>Zu den Wettbewerbsvorteilen können Technologie, Markenbekanntheit, Größe und Kostenvorteile in Produktion und Vertrieb gehören.</translation>
    </message>
    <message>
        <source>Just as Marketing emphasizes an ideal mix of Product, Price, Place, and Promotions, a firm can have advantages in each of these areas.</source>
        <translation>So wie das Marketing einen idealen Mix aus Produkt, Preis, Vertrieb und Kommunikation betont, kann ein Unternehmen in jedem dieser Bereiche Vorteile haben.</translation>
    </message>
    <message>
        <source>There can also be advantages in having the competition have higher &apos;&apos;cost-barriers&apos;&apos; to entry.</source>
        <translation>Vorteile können auch darin liegen, dass die Konkurrenz höhere „Kostenbarrieren“ für den Markteintritt hat.</translation>
    </message>
    <message>
        <source>Furthermore, the Value Investor favors efficient and trustworthy managers who do not take too much in compensation for their services.</source>
        <translation>Außerdem bevorzugt der Value-Investor effiziente und vertrauenswürdige Manager, die sich ihre Dienste nicht zu hoch vergüten lassen.</translation>
    </message>
</context>
<context>
    <name>kelvo::handover</name>
    <message>
        <source>The e-mail address could not be opened: no mail program took it. Write to this address from your mail program:

%1</source>
        <translation>Die E-Mail-Adresse konnte nicht geöffnet werden: Kein E-Mail-Programm hat sie angenommen. Schreiben Sie mit Ihrem E-Mail-Programm an diese Adresse:

%1</translation>
    </message>
    <message>
        <source>The page could not be opened: no web browser took it. Copy this address into your web browser:

%1</source>
        <translation>Die Seite konnte nicht geöffnet werden: Kein Webbrowser hat sie angenommen. Kopieren Sie diese Adresse in Ihren Webbrowser:

%1</translation>
    </message>
    <message>
        <source>No calculator program was found. The wizard looked for %1, and for the Flatpak apps %2. Install one of them to have it start here.</source>
        <translation>Es wurde kein Taschenrechner gefunden. Der Assistent hat nach %1 und nach den Flatpak-Apps %2 gesucht. Installieren Sie eines davon, damit es hier startet.</translation>
    </message>
    <message>
        <source>The folder could not be shown: no file manager took it. Open this folder in your file manager:

%1</source>
        <translation>Der Ordner konnte nicht angezeigt werden: Keine Dateiverwaltung hat ihn angenommen. Öffnen Sie diesen Ordner in Ihrer Dateiverwaltung:

%1</translation>
    </message>
</context>
<context>
    <name>kelvo::links::LinkDescriptions</name>
    <message>
        <source>Opens the maker&apos;s web site in your browser.</source>
        <translation>Öffnet die Website des Herstellers in Ihrem Browser.</translation>
    </message>
    <message>
        <source>Writes to the maker with your mail program.</source>
        <translation>Schreibt dem Hersteller mit Ihrem E-Mail-Programm.</translation>
    </message>
    <message>
        <source>Opens a financial report of the company.</source>
        <translation>Öffnet einen Finanzbericht des Unternehmens.</translation>
    </message>
    <message>
        <source>Looks up the company&apos;s symbol by its name.</source>
        <translation>Sucht das Symbol des Unternehmens anhand seines Namens.</translation>
    </message>
    <message>
        <source>Opens the company&apos;s filings with the U.S. Securities and Exchange Commission.</source>
        <translation>Öffnet die Pflichtmeldungen des Unternehmens bei der US-Börsenaufsicht SEC.</translation>
    </message>
    <message>
        <source>Shows the company&apos;s competitors.</source>
        <translation>Zeigt die Wettbewerber des Unternehmens.</translation>
    </message>
    <message>
        <source>Opens a quote page for the company.</source>
        <translation>Öffnet eine Kursseite des Unternehmens.</translation>
    </message>
    <message>
        <source>Opens the company&apos;s profile.</source>
        <translation>Öffnet das Profil des Unternehmens.</translation>
    </message>
    <message>
        <source>Opens the news headlines about the company.</source>
        <translation>Öffnet die Schlagzeilen zum Unternehmen.</translation>
    </message>
    <message>
        <source>Searches business news for the company.</source>
        <translation>Durchsucht Wirtschaftsnachrichten nach dem Unternehmen.</translation>
    </message>
    <message>
        <source>A double-click on a company of the list opens a comparison with its competitors.</source>
        <translation>Ein Doppelklick auf ein Unternehmen der Liste öffnet einen Vergleich mit seinen Wettbewerbern.</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s online tools and asks the browser for its full screen.</source>
        <translation>Öffnet die Online-Tools des Herstellers und bittet den Browser um Vollbild.</translation>
    </message>
    <message>
        <source>Explains competitive advantages, then searches the Berkshire Hathaway web site for them.</source>
        <translation>Erklärt Wettbewerbsvorteile und durchsucht dann die Website von Berkshire Hathaway danach.</translation>
    </message>
    <message>
        <source>Searches the web for discussions of the company&apos;s competitive advantages.</source>
        <translation>Sucht im Web nach Diskussionen über die Wettbewerbsvorteile des Unternehmens.</translation>
    </message>
    <message>
        <source>Searches the web for the company&apos;s management, competition and legal matters.</source>
        <translation>Sucht im Web nach Management, Wettbewerb und Rechtsangelegenheiten des Unternehmens.</translation>
    </message>
    <message>
        <source>Opens the company&apos;s return on equity and return on assets.</source>
        <translation>Öffnet die Eigenkapital- und Gesamtkapitalrendite des Unternehmens.</translation>
    </message>
    <message>
        <source>Searches the Berkshire Hathaway web site for writing on management.</source>
        <translation>Durchsucht die Website von Berkshire Hathaway nach Texten über Management.</translation>
    </message>
    <message>
        <source>Opens reading on the margin of safety.</source>
        <translation>Öffnet Lesestoff zur Sicherheitsmarge.</translation>
    </message>
    <message>
        <source>Opens an online intrinsic value estimator.</source>
        <translation>Öffnet einen Online-Rechner für den inneren Wert.</translation>
    </message>
    <message>
        <source>Opens an estimate of the company&apos;s intrinsic value.</source>
        <translation>Öffnet eine Schätzung des inneren Werts des Unternehmens.</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s online tools.</source>
        <translation>Öffnet die Online-Tools des Herstellers.</translation>
    </message>
    <message>
        <source>Opens an overview of the markets and their news.</source>
        <translation>Öffnet eine Übersicht über die Märkte und ihre Nachrichten.</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s page.</source>
        <translation>Öffnet die Seite des Herstellers.</translation>
    </message>
    <message>
        <source>Opens the New York Times DealBook.</source>
        <translation>Öffnet DealBook der New York Times.</translation>
    </message>
    <message>
        <source>Opens a discussion group of Berkshire Hathaway shareholders.</source>
        <translation>Öffnet eine Diskussionsgruppe der Aktionäre von Berkshire Hathaway.</translation>
    </message>
    <message>
        <source>Opens the lecture &quot;Intelligent Speculation&quot;.</source>
        <translation>Öffnet die Vorlesung „Intelligente Spekulation“.</translation>
    </message>
    <message>
        <source>Opens the company&apos;s key statistics, then starts the calculator.</source>
        <translation>Öffnet die Kennzahlen des Unternehmens und startet dann den Taschenrechner.</translation>
    </message>
    <message>
        <source>A double-click on the background of a page opens the company&apos;s return on equity and return on assets.</source>
        <translation>Ein Doppelklick auf den Hintergrund einer Seite öffnet die Eigenkapital- und Gesamtkapitalrendite des Unternehmens.</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s page in your browser.</source>
        <translation>Öffnet die Seite des Herstellers in Ihrem Browser.</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Unternehmen</translation>
    </message>
    <message>
        <source>Competitive Advantages</source>
        <translation>Wettbewerbsvorteile</translation>
    </message>
    <message>
        <source>Management</source>
        <translation>Management</translation>
    </message>
    <message>
        <source>Bargain Price</source>
        <translation>Günstiger Preis</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Intrinsic Value Estimator</source>
        <translation>Wertrechner</translation>
    </message>
    <message>
        <source>Every Page</source>
        <translation>Jede Seite</translation>
    </message>
    <message>
        <source>Window Title</source>
        <translation>Fenstertitel</translation>
    </message>
    <message>
        <source>It reads the symbol box.</source>
        <translation>Liest das Symbolfeld.</translation>
    </message>
    <message>
        <source>It reads the symbol box, written the way Yahoo Finance writes symbols.</source>
        <translation>Liest das Symbolfeld, so geschrieben, wie Yahoo Finance Symbole schreibt.</translation>
    </message>
    <message>
        <source>It reads the company name.</source>
        <translation>Liest den Unternehmensnamen.</translation>
    </message>
    <message>
        <source>It reads the first seven characters of the company name.</source>
        <translation>Liest die ersten sieben Zeichen des Unternehmensnamens.</translation>
    </message>
    <message>
        <source>It reads the symbol of the company selected in the list.</source>
        <translation>Liest das Symbol des in der Liste gewählten Unternehmens.</translation>
    </message>
    <message>
        <source>built in, retired by its site</source>
        <translation>eingebaut, von der Website stillgelegt</translation>
    </message>
    <message>
        <source>built in</source>
        <translation>eingebaut</translation>
    </message>
    <message>
        <source>today&apos;s set</source>
        <translation>heutiger Satz</translation>
    </message>
    <message>
        <source>%1:%2</source>
        <translation>%1:%2</translation>
    </message>
    <message>
        <source>A click writes to %1 now.</source>
        <translation>Ein Klick schreibt jetzt an %1.</translation>
    </message>
    <message>
        <source>A click opens %1 now.</source>
        <translation>Ein Klick öffnet jetzt %1.</translation>
    </message>
    <message>
        <source>The site has retired this address: Research Links (Ctrl+L) can switch to today&apos;s address.</source>
        <translation>Die Website hat diese Adresse stillgelegt: Unter Recherche-Links (Strg+L) können Sie zur heutigen Adresse wechseln.</translation>
    </message>
</context>
<context>
    <name>kelvo::links::LinkFile</name>
    <message>
        <source>%1 is on or off</source>
        <translation>%1 erwartet on oder off</translation>
    </message>
    <message>
        <source>not a plain e-mail address</source>
        <translation>keine einfache E-Mail-Adresse</translation>
    </message>
    <message>
        <source>guard is symbol or name</source>
        <translation>guard erwartet symbol oder name</translation>
    </message>
    <message>
        <source>style is owned or plain</source>
        <translation>style erwartet owned oder plain</translation>
    </message>
    <message>
        <source>pause is a number of milliseconds</source>
        <translation>pause erwartet eine Anzahl Millisekunden</translation>
    </message>
    <message>
        <source>before is advantage-texts</source>
        <translation>before erwartet advantage-texts</translation>
    </message>
    <message>
        <source>after is calculator or full-screen-key</source>
        <translation>after erwartet calculator oder full-screen-key</translation>
    </message>
    <message>
        <source>after-pause is a number of milliseconds</source>
        <translation>after-pause erwartet eine Anzahl Millisekunden</translation>
    </message>
    <message>
        <source>unknown key %1</source>
        <translation>unbekannter Schlüssel %1</translation>
    </message>
    <message>
        <source>the group is there twice</source>
        <translation>die Gruppe kommt zweimal vor</translation>
    </message>
    <message>
        <source>the group has no address</source>
        <translation>die Gruppe hat keine Adresse</translation>
    </message>
    <message>
        <source>unknown setting %1</source>
        <translation>unbekannte Einstellung %1</translation>
    </message>
    <message>
        <source>unknown control %1</source>
        <translation>unbekanntes Bedienelement %1</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>larger than 1 MiB</source>
        <translation>größer als 1 MiB</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>line longer than %1 bytes</source>
        <translation>Zeile länger als %1 Byte</translation>
    </message>
    <message>
        <source>not valid UTF-8</source>
        <translation>kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>the group line has no closing &quot;]&quot;</source>
        <translation>der Gruppenzeile fehlt die schließende Klammer „]“</translation>
    </message>
    <message>
        <source>the group line names no control</source>
        <translation>die Gruppenzeile nennt kein Bedienelement</translation>
    </message>
    <message>
        <source>neither a [control] line, a key=value line nor a &quot;#&quot; comment</source>
        <translation>weder eine Zeile [Bedienelement] noch eine Zeile Schlüssel=Wert noch ein Kommentar mit „#“</translation>
    </message>
    <message>
        <source>a value without a key before its &quot;=&quot;</source>
        <translation>ein Wert ohne Schlüssel vor dem „=“</translation>
    </message>
    <message>
        <source>%1 outside any [control] group</source>
        <translation>%1 außerhalb jeder Gruppe [Bedienelement]</translation>
    </message>
    <message>
        <source>the address is empty</source>
        <translation>die Adresse ist leer</translation>
    </message>
    <message>
        <source>a control character in the address</source>
        <translation>ein Steuerzeichen in der Adresse</translation>
    </message>
    <message>
        <source>only http and https addresses are accepted</source>
        <translation>nur http- und https-Adressen werden angenommen</translation>
    </message>
    <message>
        <source>a placeholder cannot stand in the host</source>
        <translation>ein Platzhalter darf nicht im Host stehen</translation>
    </message>
    <message>
        <source>the host must be a plain host name, with an optional port</source>
        <translation>der Host muss ein einfacher Hostname sein, wahlweise mit Port</translation>
    </message>
    <message>
        <source>&quot;{&quot; without a closing &quot;}&quot;</source>
        <translation>„{“ ohne schließende Klammer „}“</translation>
    </message>
    <message>
        <source>unknown placeholder %1</source>
        <translation>unbekannter Platzhalter %1</translation>
    </message>
    <message>
        <source>not a valid address</source>
        <translation>keine gültige Adresse</translation>
    </message>
    <message>
        <source>[settings] is read from the user&apos;s own links.conf only</source>
        <translation>[settings] wird nur aus der eigenen links.conf des Benutzers gelesen</translation>
    </message>
    <message>
        <source>The text cannot hold a line break or another control character.</source>
        <translation>Der Text darf weder einen Zeilenumbruch noch ein anderes Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so nothing was written.</source>
        <translation>%1 ist keine reguläre Datei, daher wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 is larger than 1 MiB, so it was left as it is.</source>
        <translation>%1 ist größer als 1 MiB und wurde daher nicht verändert.</translation>
    </message>
    <message>
        <source>%1 cannot be read, so it was left as it is: %2</source>
        <translation>%1 kann nicht gelesen werden und wurde daher nicht verändert: %2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created, so nothing was written.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden, daher wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 cannot be written, so it was left as it is: %2</source>
        <translation>%1 kann nicht geschrieben werden und wurde daher nicht verändert: %2</translation>
    </message>
</context>
<context>
    <name>kelvo::platform</name>
    <message>
        <source>Kelvo Wizard</source>
        <translation>Kelvo Wizard</translation>
    </message>
</context>
<context>
    <name>kelvo::platform::QtDialogs</name>
    <message>
        <source>Recover</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
</context>
<context>
    <name>kelvo::valuation</name>
    <message>
        <source>Present/Future Value Input Error</source>
        <translation>Eingabefehler Barwert/Zukunftswert</translation>
    </message>
    <message>
        <source>Interest Rate and Duration are Required Input Values.</source>
        <translation>Zinssatz und Laufzeit sind Pflichtangaben.</translation>
    </message>
    <message>
        <source>Enter a Value for the Average Earnings.</source>
        <translation>Geben Sie einen Wert für den Durchschnittsgewinn ein.</translation>
    </message>
    <message>
        <source>The Average Earnings are too large to read.</source>
        <translation>Der Durchschnittsgewinn ist zu groß, um ihn zu lesen.</translation>
    </message>
    <message>
        <source>The growth rate and number of years give no finite future value.</source>
        <translation>Wachstumsrate und Anzahl der Jahre ergeben keinen endlichen Zukunftswert.</translation>
    </message>
    <message>
        <source>The Average Earnings are too large to estimate with.</source>
        <translation>Der Durchschnittsgewinn ist zu groß, um damit zu schätzen.</translation>
    </message>
    <message>
        <source>Enter the Number of Shares Outstanding.</source>
        <translation>Geben Sie die Anzahl der ausstehenden Aktien ein.</translation>
    </message>
</context>
<context>
    <name>kelvo::widgets::WindowPattern</name>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
</context>
<context>
    <name>kelvo::wizard</name>
    <message>
        <source>Kelvo Training Wizard - %1</source>
        <translation>Kelvo Training Wizard - %1</translation>
    </message>
    <message>
        <source>Kelvo Training Wizard - %1 of  %2</source>
        <translation>Kelvo Training Wizard - %1 von  %2</translation>
    </message>
    <message>
        <source>Kelvo Training Wizard - </source>
        <translation>Kelvo Training Wizard - </translation>
    </message>
    <message>
        <source>Kelvo Training Wizard</source>
        <translation>Kelvo Training Wizard</translation>
    </message>
    <message>
        <source>Kelvo Training Wizard </source>
        <translation>Kelvo Training Wizard </translation>
    </message>
    <message>
        <source>Enter a Stock Symbol to study: </source>
        <translation>Geben Sie das Aktiensymbol ein, das Sie untersuchen möchten: </translation>
    </message>
    <message>
        <source>Enter a Stock Symbol</source>
        <translation>Geben Sie ein Aktiensymbol ein</translation>
    </message>
    <message>
        <source>Enter the Company Name</source>
        <translation>Geben Sie den Unternehmensnamen ein</translation>
    </message>
    <message>
        <source>Exit Program?</source>
        <translation>Programm beenden?</translation>
    </message>
    <message>
        <source>End Program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Click to Navigate</source>
        <translation>Schritt anklicken</translation>
    </message>
    <message>
        <source>Company  ( Understanding ) </source>
        <translation>Unternehmen  ( Verstehen ) </translation>
    </message>
    <message>
        <source>Sustainable Comp Advantages ? </source>
        <translation>Dauerhafte Wettbewerbsvorteile ? </translation>
    </message>
    <message>
        <source>Management  ( Trust and Ability )</source>
        <translation>Management  ( Vertrauen, Können )</translation>
    </message>
    <message>
        <source>Bargain Price / Intrinsic Value</source>
        <translation>Günstiger Preis / Innerer Wert</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>IV Estimator</source>
        <translation>Wertrechner</translation>
    </message>
</context>
</TS>
