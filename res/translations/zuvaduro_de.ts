<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Zuvaduro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Zuvaduro Version 3.2&lt;/b&gt;&lt;br&gt;Contract offers for mercenary units.&lt;br&gt;%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>Ne&amp;w</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;New&lt;/b&gt;&lt;p&gt;Starts again with no offers and the rating D, as at start-up. When the offers have unsaved changes, asks first whether to save them.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;New Custom&lt;/b&gt;&lt;p&gt;Asks for the unit&apos;s rating and for the terms the first offer must have, then rolls a new set of offers. Edit, Undo brings back the offers it replaced.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New &amp;Random</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Random</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;New Random&lt;/b&gt;&lt;p&gt;Asks for the unit&apos;s rating and rolls a new set of offers with every term at random.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Open&lt;/b&gt;&lt;p&gt;Opens a saved set of contract offers (a .did file).&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Save&lt;/b&gt;&lt;p&gt;Saves the offers under their file name; a new set asks for a name.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Save As&lt;/b&gt;&lt;p&gt;Saves the offers under a new file name.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Print&lt;/b&gt;&lt;p&gt;Prints the listing of the offers on one page, or writes it to a PDF file.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print &amp;Contract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Contract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Print Contract&lt;/b&gt;&lt;p&gt;Prints a formal contract for each offer you tick.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Offer &amp;Details...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Print Offer Details&lt;/b&gt;&lt;p&gt;Prints the offers side by side on one page, with what each pays over its whole length, or writes them to a PDF file.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Exit&lt;/b&gt;&lt;p&gt;Ends the program. When the offers have unsaved changes, asks first whether to save them.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Undo&lt;/b&gt;&lt;p&gt;Takes back the last change: new offers, an edited line or a term rolled again.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Redo&lt;/b&gt;&lt;p&gt;Makes the change that Undo took back once more; new offers come back as they were rolled.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy &amp;Listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Copy Listing&lt;/b&gt;&lt;p&gt;Copies the listing of the offers as text.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roll &amp;Term Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Roll Term Again&lt;/b&gt;&lt;p&gt;Rolls the term on the current line again on its own table; the rest of the offer stays.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Options&lt;/b&gt;&lt;p&gt;Sets the campaign year, the unit&apos;s name, its base pay and its size.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Toolbar&lt;/b&gt;&lt;p&gt;Shows or hides the toolbar.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offer &amp;Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Offer Details&lt;/b&gt;&lt;p&gt;Shows or hides the offers side by side beside the listing, with the dice behind every term and what each offer pays.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odd&amp;s...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Odds&lt;/b&gt;&lt;p&gt;Rolls the offers of a rating many times and shows, as charts and counts, how often each outcome comes up.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Help Topics&lt;/b&gt;&lt;p&gt;Opens the help pages.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Rode...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;About&lt;/b&gt;&lt;p&gt;Shows the program&apos;s version.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Help&lt;/b&gt;&lt;p&gt;Opens help about what you are working on.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s This?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;What&apos;s This?&lt;/b&gt;&lt;p&gt;Click on a part of the window to learn what it does. On the current line of the listing or the current term of the offer details it says at once how that term was rolled.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContractPrintCommand</name>
    <message>
        <source>Remember to change the Dates, and Location before printing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContractSelectDialog</name>
    <message>
        <source>Contract One</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contract Two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contract Three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contract Four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Contracts to Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick the offers whose formal contract you want to print, one page each.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopApp</name>
    <message>
        <source>No default printer is set up, so %1 was not printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no printer named &quot;%1&quot;, so %2 was not printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System registry entries have been removed and the INI file (if any) was deleted.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogPrompts</name>
    <message>
        <source>Mercenary Contracts(*.did) (*.DID *.did)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*.*) (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditLineDialog</name>
    <message>
        <source>Edit Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrites one line of the offer listing. The text is kept exactly as typed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new text of the line. Nothing is checked: an empty text empties the line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stores the text in the listing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leaves the line as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text to be changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The line being changed and its current text.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GenerationCommands</name>
    <message>
        <source>New Random</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select A Valid Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roll %1 Again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Zuvaduro Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListingView</name>
    <message>
        <source>Double-click to change; right-click for more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offer listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Offer listing&lt;/b&gt;&lt;p&gt;The unit&apos;s rating, the number of offers and the terms of each offer. Double-click a value to change it; the rating and every term, date and location of an offer can be edited. Right-click a term to roll it again. A click makes a line current: Up and Down move it, Enter changes it.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Roll Term Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Toolbar&lt;/b&gt;&lt;p&gt;Buttons for New Custom, New Random, Open, Save, Options, Print and Print Contract. Drag it to any side of the window; View, Toolbar hides it.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewCustomDialog</name>
    <message>
        <source>The unit&apos;s rating, A (best) to D: one character. It sets how many offers the unit receives and how well they pay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first offer&apos;s employer. Random rolls it; a picked or typed name is used as it stands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first offer&apos;s mission. Random rolls it from the employer&apos;s table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first offer&apos;s duration. Random rolls it from the assignment&apos;s table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first offer&apos;s multiple of the unit&apos;s base pay. A typed number such as 5.5 is used for the pay as it stands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixes both straight support and battle-loss compensation of the first offer, for example 80%. Random rolls them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixes both transport compensations of the first offer, for example 25%. Random rolls them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first offer&apos;s salvage rights. Random rolls them from the employer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first offer&apos;s command arrangement. Random rolls it from the employer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Custom Contract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rolls a new set of contract offers. Any term of the first offer may be fixed here; Random rolls it. The other offers are always rolled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rolls the offers with the choices shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the dialog and keeps the current offers.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewRandomDialog</name>
    <message>
        <source>New Random Contract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rolls a new set of contract offers for a unit of the chosen rating. Every term of every offer is rolled; the current offers are replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rolls the offers for the rating shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the dialog and keeps the current offers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please chose a Dragoon&apos;s Rating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dragoon&apos;s Rating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit&apos;s rating, A (best) to D. It sets how many offers the unit receives and how well they pay.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OddsWindow</name>
    <message>
        <source>Odds - Zuvaduro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rolls the offers of a rating many times, with the first offer&apos;s terms fixed as in New Custom, and shows how often each outcome comes up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rating and first offer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many times the offers are rolled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rolls:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from the clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The seed of the rolls: the same seed, rating, choices and number of rolls give the same counts. Empty takes a new seed from the clock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;un</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rolls done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a rating and the first offer&apos;s terms, then Run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Counts as &amp;CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Chart as &amp;PNG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The charts are unavailable: their module (%1) could not be loaded from beside the program or from its library folder. The counts are shown as tables.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The seed is a whole number from 0 to 18446744073709551615.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rolling %1 times, seed %2...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rating %1: %2 rolls with seed %3 gave %4 offers, mean payment multiplier %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled: these are the counts of the %1 rolls done before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Counts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG images (*.png);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OfferDetailsDock</name>
    <message>
        <source>Offer Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Offer Details&lt;/b&gt;&lt;p&gt;The offers side by side: every term, then what each offer pays a month, for how many months and over its whole length, with the best total marked. Point at a term to see the dice and modifiers behind it; double-click it to change it.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OpenProgress</name>
    <message>
        <source>Opening %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share of the file read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your unit&apos;s name, size and base pay, kept for every document. The name and size fill printed contracts; the base pay sets the offers&apos; pay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stores the four values.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the dialog and keeps the stored values.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contract Time Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The campaign year saved with documents. Opening a document sets it; it cannot be changed here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your unit&apos;s name, as printed in contracts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base Pay For Unit (C-Bills/Month)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your unit&apos;s monthly base pay in C-Bills, multiplied by each offer&apos;s payment multiplier. Write it without separators, for example 100000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size of Unit (eg. 2 Regiments)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your unit&apos;s size, as printed in contracts.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Could not start print job.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>base pay not set: View &gt; Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly Pay (C-Bills)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The payment multiplier times the base pay (View &gt; Options)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contract Total (C-Bills)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support (straight, battle-loss)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transport (DS/JS, commercial)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the listing shows the pay at the time of the roll: %1 C-Bills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (best)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The highest contract total of these offers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rating %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 offer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 offers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offer Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read as %1 C-Bills</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecentFilesMenu</name>
    <message>
        <source>Recent File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Recent file&lt;/b&gt;&lt;p&gt;Opens this document again.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SideWindows</name>
    <message>
        <source>Failed to launch help.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
