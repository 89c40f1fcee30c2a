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
        <source>Possible total randoms: Over %1 (%2 bits)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Possible total randoms: %1 (%2 bits)</source>
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
</context>
</TS>
