<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Core</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Out of memory: the request is too large for this computer.</source>
        <translation>Nicht genug Speicher: Die Anforderung ist für diesen Computer zu groß.</translation>
    </message>
    <message>
        <source>Operation aborted</source>
        <translation>Vorgang abgebrochen</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden. %2</translation>
    </message>
    <message>
        <source>Out of memory: this request needs %1 MiB, but only %2 MiB are free.</source>
        <translation>Nicht genug Speicher: Diese Anforderung braucht %1 MiB, frei sind nur %2 MiB.</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>Cannot write to file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <source>Cannot write to file &quot;%1&quot;. Its old content could not be kept safe: %2</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden. Ihr alter Inhalt konnte nicht gesichert werden: %2</translation>
    </message>
    <message>
        <source>Cannot write to file &quot;%1&quot;. %2. Its old content could not be put back</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden. %2. Ihr alter Inhalt konnte nicht wiederhergestellt werden</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>Es ist kein Drucker verfügbar.</translation>
    </message>
    <message>
        <source>Calculate Possible...</source>
        <translation>Mögliche berechnen ...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Calculating randoms...</source>
        <translation>Zufallszahlen werden berechnet ...</translation>
    </message>
    <message>
        <source>Sorting randoms...</source>
        <translation>Zufallszahlen werden sortiert ...</translation>
    </message>
    <message>
        <source>Format randoms..</source>
        <translation>Zufallszahlen formatieren ..</translation>
    </message>
    <message>
        <source>Format randoms...</source>
        <translation>Zufallszahlen formatieren ...</translation>
    </message>
    <message>
        <source>Write File ...</source>
        <translation>Datei schreiben ...</translation>
    </message>
    <message>
        <source>No chi-square test: without repeats every number is drawn at most once.</source>
        <translation>Kein Chi-Quadrat-Test: Ohne Wiederholungen wird jede Zahl höchstens einmal gezogen.</translation>
    </message>
    <message>
        <source>No chi-square test: fewer than two possible outcomes.</source>
        <translation>Kein Chi-Quadrat-Test: weniger als zwei mögliche Ergebnisse.</translation>
    </message>
    <message>
        <source>No chi-square test: without repeats every item is drawn at most once.</source>
        <translation>Kein Chi-Quadrat-Test: Ohne Wiederholungen wird jeder Eintrag höchstens einmal gezogen.</translation>
    </message>
    <message>
        <source>No chi-square test: fewer than two items.</source>
        <translation>Kein Chi-Quadrat-Test: weniger als zwei Einträge.</translation>
    </message>
    <message>
        <source>%1 values in %2 categories. </source>
        <translation>%1 Werte in %2 Kategorien. </translation>
    </message>
    <message>
        <source>Chi-square %1 with %2 degrees of freedom, p = %3.</source>
        <translation>Chi-Quadrat %1 mit %2 Freiheitsgraden, p = %3.</translation>
    </message>
    <message>
        <source>Unable to create directory</source>
        <translation>Der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Unable to create directory &quot;%1&quot;. %2</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>The random file &apos;%1&apos; is generated successfully !     Generated total randoms: %2</source>
        <translation>Die Zufallsdatei „%1“ wurde erfolgreich erzeugt!     Erzeugte Zufallszahlen insgesamt: %2</translation>
    </message>
    <message>
        <source>The user cancel the operation!</source>
        <translation>Der Vorgang wurde vom Benutzer abgebrochen!</translation>
    </message>
    <message>
        <source>The Upper number must greater than<byte value="xd"/><byte value="xd"/>or equal to the Lower number!</source>
        <translation>Die obere Zahl muss größer als<byte value="xd"/><byte value="xd"/>oder gleich der unteren Zahl sein!</translation>
    </message>
    <message>
        <source>Possible total:  Over %1</source>
        <translation>Mögliche insgesamt:  Über %1</translation>
    </message>
    <message>
        <source>Possible total: %1</source>
        <translation>Mögliche insgesamt: %1</translation>
    </message>
    <message>
        <source>Generated total: %1</source>
        <translation>Erzeugt insgesamt: %1</translation>
    </message>
    <message>
        <source>You must check at least one of the Female and Male box!</source>
        <translation>Kreuzen Sie mindestens eines der Felder „Weiblich“ und „Männlich“ an!</translation>
    </message>
    <message>
        <source>You can not exclude all digits!</source>
        <translation>Sie können nicht alle Ziffern ausschließen!</translation>
    </message>
    <message>
        <source>The Upper number minus the Lower number<byte value="xd"/><byte value="xd"/>    must be less than 2147483647!</source>
        <translation>Die obere Zahl minus die untere Zahl<byte value="xd"/><byte value="xd"/>    muss kleiner als 2147483647 sein!</translation>
    </message>
    <message>
        <source>Possible total randoms: %1</source>
        <translation>Mögliche Zufallszahlen insgesamt: %1</translation>
    </message>
    <message>
        <source>Generated total randoms: %1</source>
        <translation>Erzeugte Zufallszahlen insgesamt: %1</translation>
    </message>
    <message>
        <source>Please load items from TXT file,<byte value="xd"/><byte value="xd"/>or manually add item one by one!<byte value="xd"/></source>
        <translation>Bitte laden Sie Einträge aus einer TXT-Datei<byte value="xd"/><byte value="xd"/>oder fügen Sie sie einzeln von Hand hinzu!<byte value="xd"/></translation>
    </message>
    <message>
        <source>No item is checked.<byte value="xd"/><byte value="xd"/>Please check the items to sample from!</source>
        <translation>Kein Eintrag ist angekreuzt.<byte value="xd"/><byte value="xd"/>Bitte kreuzen Sie die Einträge an, aus denen gezogen werden soll!</translation>
    </message>
    <message>
        <source>The edit box of Mask can not be blank!</source>
        <translation>Das Eingabefeld „Maske“ darf nicht leer sein!</translation>
    </message>
    <message>
        <source>Possible total randoms: Over %1</source>
        <translation>Mögliche Zufallszahlen insgesamt: Über %1</translation>
    </message>
    <message>
        <source>Possible total randoms: Over %1 (%2 bits)</source>
        <translation>Mögliche Zufallszahlen insgesamt: Über %1 (%2 Bit)</translation>
    </message>
    <message>
        <source>Possible total randoms: %1 (%2 bits)</source>
        <translation>Mögliche Zufallszahlen insgesamt: %1 (%2 Bit)</translation>
    </message>
    <message>
        <source>Strength: %1 bits</source>
        <translation>Stärke: %1 Bit</translation>
    </message>
    <message>
        <source>When the uppercase A-Z box is checked<byte value="xd"/><byte value="xd"/>You can not exclude all uppercase letter!<byte value="xd"/></source>
        <translation>Wenn das Feld Großbuchstaben A-Z angekreuzt ist,<byte value="xd"/><byte value="xd"/>können Sie nicht alle Großbuchstaben ausschließen!<byte value="xd"/></translation>
    </message>
    <message>
        <source>When the lowercase a-z box is checked<byte value="xd"/><byte value="xd"/>You can not exclude all lowercase letter!<byte value="xd"/></source>
        <translation>Wenn das Feld Kleinbuchstaben a-z angekreuzt ist,<byte value="xd"/><byte value="xd"/>können Sie nicht alle Kleinbuchstaben ausschließen!<byte value="xd"/></translation>
    </message>
    <message>
        <source>When the number 0-9 box is checked<byte value="xd"/><byte value="xd"/>You can not exclude all numbers!<byte value="xd"/></source>
        <translation>Wenn das Feld Ziffern 0-9 angekreuzt ist,<byte value="xd"/><byte value="xd"/>können Sie nicht alle Ziffern ausschließen!<byte value="xd"/></translation>
    </message>
    <message>
        <source>When the special character box is checked<byte value="xd"/><byte value="xd"/>You must select at least one character!<byte value="xd"/></source>
        <translation>Wenn das Feld Sonderzeichen angekreuzt ist,<byte value="xd"/><byte value="xd"/>müssen Sie mindestens ein Zeichen auswählen!<byte value="xd"/></translation>
    </message>
    <message>
        <source>The name of wildcard can not be blank, please input!</source>
        <translation>Der Name des Platzhalters darf nicht leer sein, bitte eingeben!</translation>
    </message>
    <message>
        <source>The Upper,lower,number and special letter<byte value="xd"/>at least one check box must be checked !</source>
        <translation>Von Groß-, Kleinbuchstaben, Ziffern und Sonderzeichen<byte value="xd"/>muss mindestens ein Feld angekreuzt sein!</translation>
    </message>
    <message>
        <source>The name of wildcard is duplicated, please select another!</source>
        <translation>Der Name des Platzhalters ist schon vergeben, bitte wählen Sie einen anderen!</translation>
    </message>
    <message>
        <source>Do you want to delete the item %1 ?</source>
        <translation>Möchten Sie den Eintrag %1 löschen?</translation>
    </message>
    <message>
        <source>The wildcard %1 has no character to draw from!<byte value="xd"/>Please check at least one character for it.</source>
        <translation>Der Platzhalter %1 hat kein Zeichen, aus dem gezogen werden kann!<byte value="xd"/>Bitte kreuzen Sie mindestens ein Zeichen dafür an.</translation>
    </message>
    <message>
        <source>Parse Mask...</source>
        <translation>Maske auswerten ...</translation>
    </message>
    <message>
        <source>Only %1 different strings can be drawn for this mask; all of them have been generated.</source>
        <translation>Für diese Maske lassen sich nur %1 verschiedene Zeichenfolgen ziehen; alle wurden erzeugt.</translation>
    </message>
    <message>
        <source>Sort Randoms...</source>
        <translation>Zufallszahlen sortieren ...</translation>
    </message>
    <message>
        <source>Can&apos;t get more numbers than defined by <byte value="xd"/>the Lower and the Upper components. </source>
        <translation>Es lassen sich nicht mehr Zahlen ziehen, als durch <byte value="xd"/>die untere und die obere Grenze festgelegt sind. </translation>
    </message>
    <message>
        <source>Only %1 different lines can be drawn; all of them have been generated.</source>
        <translation>Es lassen sich nur %1 verschiedene Reihen ziehen; alle wurden erzeugt.</translation>
    </message>
    <message>
        <source>Evaluate Randoms...</source>
        <translation>Zufallszahlen auswerten ...</translation>
    </message>
    <message>
        <source>Load names database...</source>
        <translation>Namenslisten laden ...</translation>
    </message>
    <message>
        <source>Calculating names...</source>
        <translation>Namen werden berechnet ...</translation>
    </message>
    <message>
        <source>Only %1 different names can be drawn from these lists; all of them have been generated.</source>
        <translation>Aus diesen Listen lassen sich nur %1 verschiedene Namen ziehen; alle wurden erzeugt.</translation>
    </message>
    <message>
        <source>Sort Names...</source>
        <translation>Namen sortieren ...</translation>
    </message>
</context>
</TS>
