<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>Core</name>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory: the request is too large for this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation aborted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory: this request needs %1 MiB, but only %2 MiB are free.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write to file &quot;%1&quot;. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write to file &quot;%1&quot;. Its old content could not be kept safe: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write to file &quot;%1&quot;. %2. Its old content could not be put back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate Possible...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculating randoms...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorting randoms...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format randoms..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format randoms...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write File ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No chi-square test: without repeats every number is drawn at most once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No chi-square test: fewer than two possible outcomes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No chi-square test: without repeats every item is drawn at most once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No chi-square test: fewer than two items.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 values in %2 categories. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chi-square %1 with %2 degrees of freedom, p = %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to create directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to create directory &quot;%1&quot;. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The random file &apos;%1&apos; is generated successfully !     Generated total randoms: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user cancel the operation!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Upper number must greater than<byte value="xd"/><byte value="xd"/>or equal to the Lower number!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Possible total:  Over %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Possible total: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generated total: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must check at least one of the Female and Male box!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can not exclude all digits!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Upper number minus the Lower number<byte value="xd"/><byte value="xd"/>    must be less than 2147483647!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Possible total randoms: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generated total randoms: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please load items from TXT file,<byte value="xd"/><byte value="xd"/>or manually add item one by one!<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No item is checked.<byte value="xd"/><byte value="xd"/>Please check the items to sample from!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The edit box of Mask can not be blank!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Possible total randoms: Over %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strength: %1 bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the uppercase A-Z box is checked<byte value="xd"/><byte value="xd"/>You can not exclude all uppercase letter!<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the lowercase a-z box is checked<byte value="xd"/><byte value="xd"/>You can not exclude all lowercase letter!<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the number 0-9 box is checked<byte value="xd"/><byte value="xd"/>You can not exclude all numbers!<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the special character box is checked<byte value="xd"/><byte value="xd"/>You must select at least one character!<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of wildcard can not be blank, please input!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Upper,lower,number and special letter<byte value="xd"/>at least one check box must be checked !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of wildcard is duplicated, please select another!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to delete the item %1 ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wildcard %1 has no character to draw from!<byte value="xd"/>Please check at least one character for it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parse Mask...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only %1 different strings can be drawn for this mask; all of them have been generated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort Randoms...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t get more numbers than defined by <byte value="xd"/>the Lower and the Upper components. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only %1 different lines can be drawn; all of them have been generated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evaluate Randoms...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load names database...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculating names...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only %1 different names can be drawn from these lists; all of them have been generated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort Names...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. Not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system&apos;s random generator is not available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displaying randoms...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displaying numbers...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displaying names...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laying out pages...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print job has %1 pages.<byte value="xd"/>Do you want to print them all?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing pages...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the print file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strength: %1 bits, seed limit %2 bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bits, seed limit %2 bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read File ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogParts</name>
    <message>
        <source>No. Columns per Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tab Delimited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;mma Separated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sp&amp;ace Separated</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageTable</name>
    <message>
        <source>Random Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate Random Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Random Numbers As Text File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Random Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lottery Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate Lottery Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random Sampling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Samplings As Text File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Samplings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random String</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate Random Strings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Random Strings As Text File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Random Strings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic Created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual    Created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Random Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Random Names As Text File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Random Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>No program on this system can open %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtPrinting</name>
    <message>
        <source>No printer in your system!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot start a job.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not start a new page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print job could not be sent to the printer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenvar::ui::DistributionDialog</name>
    <message>
        <source>Distribution - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 most frequent of %2 items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counts of the last run&apos;s results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distribution chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fewer than 5 values are expected per bar (%1): the chi-square test is unreliable. Draw more values for a sound test.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenvar::ui::FileNameEdit</name>
    <message>
        <source>Please select text file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save randoms to file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All text files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the file name, or click the right button to select it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenvar::ui::FilePage</name>
    <message>
        <source>Display Results In List Box While Create Random File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t Display Results In List Box While Create Random File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have disabled displaying in the list box to generate random bytes file quickly !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display As Hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Decimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display As Decimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Octet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display As Octet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Binary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display As Binary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Display Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Between 1 and 2147483647</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select file to save data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Data File(*.dat)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bytes of this run cannot be shown: they came from the system&apos;s generator, which cannot draw them again, and the file &apos;%1&apos; has changed since the run wrote them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display radix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Size ( Byte )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N&amp;ame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Au&amp;to add number suffix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to &amp;filename when generate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Create or overwrite the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;ppend data to end of the file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenvar::ui::HelpWindow</name>
    <message>
        <source>Quenvar Random Number Generator Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help topics are missing: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenvar::ui::LotteryPage</name>
    <message>
        <source>Between -2147483647 and  2147483647</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Lottery Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Between 1 and 300</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Between 1 and 200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick bonus numbers from the remaining numbers in main lottery number box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Between 1 and 2147483647</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It will spend much time if you&apos;re requesting a larger numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Upper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No. to &amp;pick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lo&amp;wer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upp&amp;er</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No. to pic&amp;k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lotto + &amp;Bonus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick bonus numbers from the &amp;remaining numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N&amp;o Bonus Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Count to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow &amp;duplicate numbers to appear in a single line if it&apos;s checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prevent duplicate &amp;sets of lottery numbers in all lines  ( It will spend much time )</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenvar::ui::NamePage</name>
    <message>
        <source>Gender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View or Edit male first name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View or Edit female first name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View or Edit last name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Between 1 and 2147483647</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Male first name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Female first name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;last name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Count to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow &amp;duplicate names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenvar::ui::NumberPage</name>
    <message>
        <source>Between -2147483647 and  2147483647</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Between 1 and 2147483647</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exclude Digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exclude digit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Upper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Count to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow &amp;duplicate randoms</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenvar::ui::ResultPage</name>
    <message>
        <source>Right-Click it to open popup menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel Operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sort Randoms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Ascending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort Ascending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Descending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort Descending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Original</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display As Generated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separate With &amp;Commas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separate With Commas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;olumns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print Randoms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the selected rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy as Command &amp;Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy as Command Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No randoms to be saved!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No randoms to be printed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer in your system!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distri&amp;bution…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart of the last run&apos;s results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No randoms to chart: start a run first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No run to be copied as a command line!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;More Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fewer Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy &amp;Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the value clicked, alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another print is under way: wait for it to end or cancel it first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the %1 &quot;%2&quot;: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clipboard cleared at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 M/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 k/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 /s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2 min left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2 s left</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenvar::ui::SamplingPage</name>
    <message>
        <source>All TXT File(*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load items from TXT  file ( Append method )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save all the items to TXT file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check all items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uncheck all items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete all items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right-click it to open popup menu<byte value="xd"/>
Ctrl+Click or Shift+Chick to select multi-item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert After</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Current Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Selected Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete All Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check All Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uncheck All Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Between 1 and 2147483647</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random sampling from the %1 checked items below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Random Sampling tab, only first 800 items can be saved when exit!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add item window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input new item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit item window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to delete the item?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to delete the selected items?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to delete all the items?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select file to save data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Count to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow &amp;duplicate sampling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;left items when exit, so they can be auto loaded next time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>items file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenvar::ui::SeedGroup</name>
    <message>
        <source>Between -2147483647 and  2147483647</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System (cryptographic, not repeatable)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draws from the operating system&apos;s cryptographic generator: for passwords and keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 seed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automat&amp;ic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ma&amp;nual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ystem (cryptographic, not repeatable)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenvar::ui::SelectList</name>
    <message>
        <source>Shift, Ctrl+click to select multi-item
Double-click it to move the item</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenvar::ui::StringPage</name>
    <message>
        <source>Left-click or Double-click it to select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To represent a literal character, &apos;\&apos; should be added before the character.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Between 1 and 2147483647</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select uppercase letters excluded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uppercase letters excluded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select lowercase letters excluded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowercase letters excluded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select numbers excluded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbers excluded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select special characters included</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special characters included</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wildcard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wildcards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wildcard columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add wildcard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit wildcard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete wildcard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save wildcard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&amp;cel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Save or Cancel Wildcard before generate randoms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exclude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>include</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mas&amp;k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;unt to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow &amp;duplicate strings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U&amp;ppercase A-Z </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lo&amp;wercase a-z  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Num&amp;ber 0-9 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special c&amp;haracter </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Na&amp;me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No&amp;te</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wildcards file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenvar::ui::TFormPrinttext</name>
    <message>
        <source>Print Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbers Per Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print &amp;Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The randoms have been printed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No. &amp;Columns per Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One N&amp;umber per Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portra&amp;it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenvar::ui::TFormRandom</name>
    <message>
        <source>Quenvar Random Number Generator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visits Website...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help...           </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy as Command Line</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenvar::ui::TFormSaveText</name>
    <message>
        <source>Save Data to Text File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbers Per Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input file name! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The randoms have been saved as text file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &amp;name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;reate or Overwrite file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Append to &amp;end of file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single &amp;Line / All numbers in one line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No. &amp;Columns per Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One N&amp;umber per Line</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenvar::ui::TFormSelect</name>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unselect Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unselect All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&amp;cel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Available Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Selected Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Available Items ( %1 )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Selected Items ( %1 )</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenvar::ui::TPrintPreview</name>
    <message>
        <source>Print Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of %1 pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of %1 pages so far, counting…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenvar::ui::TPrinterSetupDialog</name>
    <message>
        <source>Print Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;ortrait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&amp;andscape</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quenvar::ui::Taboutform</name>
    <message>
        <source>About Quenvar Random Number Generator </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quenvar Random Number Generator %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free software (MIT licence): random data you can repeat from a seed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Homepage Site: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Technology Support: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
