<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>Zarvo emblem</source>
        <translation>Zarvo-Emblem</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Klicken Sie hier, um mehr zu erfahren.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A golden sun rising from a lotus, with a crescent moon</source>
        <translation>Eine goldene Sonne, die aus einer Lotosblüte aufsteigt, daneben eine Mondsichel</translation>
    </message>
</context>
<context>
    <name>AstrologyTables</name>
    <message>
        <source>Lamb</source>
        <translation>Lamm</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Widder</translation>
    </message>
    <message>
        <source>Two Bulls in plough</source>
        <translation>Zwei Stiere vor dem Pflug</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Stier</translation>
    </message>
    <message>
        <source>Husband and wife</source>
        <translation>Mann und Frau</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Zwillinge</translation>
    </message>
    <message>
        <source>Frog</source>
        <translation>Frosch</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Krebs</translation>
    </message>
    <message>
        <source>Snow Lion</source>
        <translation>Schneelöwe</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Virgin</source>
        <translation>Jungfrau</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Jungfrau</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Wild</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Schütze</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>Krokodil</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Steinbock</translation>
    </message>
    <message>
        <source>Water bearer</source>
        <translation>Wasserträger</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Wassermann</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Fisch</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Fische</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>Ratte</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Ochse</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tiger</translation>
    </message>
    <message>
        <source>Hare</source>
        <translation>Hase</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Drache</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Schlange</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Pferd</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Schaf</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Affe</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Hahn</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Hund</translation>
    </message>
    <message>
        <source>Boar</source>
        <translation>Schwein</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Erde</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Feuer</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Eisen</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Holz</translation>
    </message>
</context>
<context>
    <name>BirthChartPage</name>
    <message>
        <source>Tibetan Birth Chart</source>
        <translation>Geburtshoroskop</translation>
    </message>
    <message>
        <source>Your Tibetan Birth Year</source>
        <translation>Ihr tibetisches Geburtsjahr</translation>
    </message>
    <message>
        <source>Your Tibetan Date of Birth</source>
        <translation>Ihr tibetisches Geburtsdatum</translation>
    </message>
    <message>
        <source>Your Birth Mewa</source>
        <translation>Ihre Geburts-Mewa</translation>
    </message>
    <message>
        <source>Your Five Forces</source>
        <translation>Ihre fünf Kräfte</translation>
    </message>
</context>
<context>
    <name>BirthChartText</name>
    <message>
        <source>Male</source>
        <translation>Männlich</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Weiblich</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>%1 (rabjung %2, year %3)</source>
        <translation>%1 (Rabjung&#xa0;%2, Jahr&#xa0;%3)</translation>
    </message>
    <message>
        <source>leap month %1</source>
        <translation>Schaltmonat&#xa0;%1</translation>
    </message>
    <message>
        <source>month %1</source>
        <translation>Monat&#xa0;%1</translation>
    </message>
    <message>
        <source>day %1</source>
        <translation>Tag&#xa0;%1</translation>
    </message>
    <message>
        <source>day %1 (first of two)</source>
        <translation>Tag&#xa0;%1 (erster von zwei)</translation>
    </message>
    <message>
        <source>day %1 (second of two)</source>
        <translation>Tag&#xa0;%1 (zweiter von zwei)</translation>
    </message>
    <message>
        <source>No birth chart: the date of birth is not a day of the calendar.</source>
        <translation>Kein Geburtshoroskop: Dieses Geburtsdatum gibt es im Kalender nicht.</translation>
    </message>
    <message>
        <source>No birth chart: the Tibetan calendar here covers the years %1 to %2 only.</source>
        <translation>Kein Geburtshoroskop: Der tibetische Kalender reicht hier nur von %1 bis %2.</translation>
    </message>
    <message>
        <source>Your Tibetan Birth Year: </source>
        <translation>Ihr tibetisches Geburtsjahr: </translation>
    </message>
    <message>
        <source>Your Tibetan Date of Birth: </source>
        <translation>Ihr tibetisches Geburtsdatum: </translation>
    </message>
    <message>
        <source>Your Birth Mewa: </source>
        <translation>Ihre Geburts-Mewa: </translation>
    </message>
    <message>
        <source>Your Life Force: </source>
        <translation>Ihre Lebenskraft: </translation>
    </message>
    <message>
        <source>Your Body: </source>
        <translation>Ihr Körper: </translation>
    </message>
    <message>
        <source>Your Power: </source>
        <translation>Ihre Macht: </translation>
    </message>
    <message>
        <source>Your Luck: </source>
        <translation>Ihr Glück: </translation>
    </message>
    <message>
        <source>Your Soul: </source>
        <translation>Ihre Seele: </translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <source>Zarvo Tibetan Astrology v%1</source>
        <translation>Zarvo Tibetan Astrology v%1</translation>
    </message>
    <message>
        <source>Zarvo Tibetan Astrology</source>
        <translation>Zarvo Tibetan Astrology</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Zarvo emblem</source>
        <translation>Zarvo-Emblem</translation>
    </message>
    <message>
        <source>Tibetan Astrology</source>
        <translation>Tibetische Astrologie</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>Persönliche Angaben</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Männlich</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Weiblich</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Geburtsmonat</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Tag der Geburt</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Geburtsjahr</translation>
    </message>
    <message>
        <source>Get My Tibetan &amp;Astrology Result</source>
        <translation>Meine tibetische &amp;Astrologie-Deutung berechnen</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>&amp;Gespeicherte Deutung öffnen</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Angebote</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte geben Sie Ihren Namen ein.</translation>
    </message>
    <message>
        <source>Please Select Your Sex</source>
        <translation>Bitte wählen Sie Ihr Geschlecht aus.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Bitte geben Sie einen gültigen Tag oder Monat an.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Bitte geben Sie einen gültigen Tag oder Monat an.</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>Quelldatei auswählen</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>Bitte überprüfen Sie die Datei.</translation>
    </message>
    <message>
        <source>A golden sun rising from a lotus, with a crescent moon</source>
        <translation>Eine goldene Sonne, die aus einer Lotosblüte aufsteigt, daneben eine Mondsichel</translation>
    </message>
    <message>
        <source>Tibetan Astrology</source>
        <comment>file type</comment>
        <translation>Tibetische Astrologie-Deutung</translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>%1
This folder does not exist. Please choose another name.</source>
        <translation>%1
Dieser Ordner existiert nicht. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>%1
This file is read-only. Please choose another name.</source>
        <translation>%1
Diese Datei ist schreibgeschützt. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>%1
No web browser could be started for this address.</source>
        <translation>%1
Für diese Adresse konnte kein Webbrowser gestartet werden.</translation>
    </message>
    <message>
        <source>%1
A file name cannot contain any of these characters: \ / : * ? &quot; &lt; &gt; |
Please choose another name.</source>
        <translation>%1
Ein Dateiname darf keines dieser Zeichen enthalten: \ / : * ? &quot; &lt; &gt; |
Bitte wählen Sie einen anderen Namen.</translation>
    </message>
</context>
<context>
    <name>ReadingFile</name>
    <message>
        <source>it is not a plain file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the file there is larger than any this program writes</source>
        <translation>die vorhandene Datei ist größer als jede, die dieses Programm schreibt</translation>
    </message>
    <message>
        <source>a folder on the way is a link that another user could have changed</source>
        <translation>ein Ordner auf dem Weg ist eine Verknüpfung, die ein anderer Benutzer geändert haben könnte</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>der Name ist zu lang</translation>
    </message>
    <message>
        <source>Windows does not allow this name</source>
        <translation>Windows lässt diesen Namen nicht zu</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>die Datei ließ sich nicht schreiben</translation>
    </message>
</context>
<context>
    <name>ReportComposer</name>
    <message>
        <source>Male</source>
        <translation>Männlich</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Weiblich</translation>
    </message>
    <message>
        <source>Your Name: </source>
        <translation>Ihr Name: </translation>
    </message>
    <message>
        <source>Your Sex: </source>
        <translation>Ihr Geschlecht: </translation>
    </message>
    <message>
        <source>Your Tibetan Sun Sign: </source>
        <translation>Ihr tibetisches Sonnenzeichen: </translation>
    </message>
    <message>
        <source>Your Tranlation of Tibetan Sun Sign: </source>
        <translation>Übersetzung Ihres tibetischen Sonnenzeichens: </translation>
    </message>
    <message>
        <source>Your Western Sun Sign: </source>
        <translation>Ihr westliches Sternzeichen: </translation>
    </message>
    <message>
        <source>Your Tibetan Animal Sign: </source>
        <translation>Ihr tibetisches Tierzeichen: </translation>
    </message>
    <message>
        <source>Your Tibetan Element: </source>
        <translation>Ihr tibetisches Element: </translation>
    </message>
</context>
<context>
    <name>ReportWindow</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Report Generated By %1</source>
        <translation>Bericht erstellt mit %1</translation>
    </message>
    <message>
        <source>Rich Text Format (*.tib)</source>
        <translation>Tibetische Astrologie-Deutung (*.tib)</translation>
    </message>
    <message>
        <source>%1
The reading could not be saved (%2).</source>
        <translation>%1
Die Deutung konnte nicht gespeichert werden (%2).</translation>
    </message>
    <message>
        <source>%1
The report could not be saved (%2).</source>
        <translation>%1
Der Bericht konnte nicht gespeichert werden (%2).</translation>
    </message>
    <message>
        <source>Tibetan Astrology Report</source>
        <translation>Bericht zur tibetischen Astrologie</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Save as P&amp;DF</source>
        <translation>Als &amp;PDF speichern</translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>Offers</source>
        <translation>Angebote</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Tibetan Astrology</source>
        <translation>Tibetische Astrologie</translation>
    </message>
    <message>
        <source>Your Tibetan Element</source>
        <translation>Ihr tibetisches Element</translation>
    </message>
    <message>
        <source>Your Tibetan Sun Sign</source>
        <comment>Tibetan sign</comment>
        <translation>Ihr tibetisches
Sonnenzeichen</translation>
    </message>
    <message>
        <source>Your Tibetan Sun Sign</source>
        <comment>western sign</comment>
        <translation>Ihr westliches Sternzeichen</translation>
    </message>
    <message>
        <source>Your Translation of Tibetan Sun Sign</source>
        <translation>Übersetzung Ihres
tibetischen Sonnenzeichens</translation>
    </message>
    <message>
        <source>Reading pages</source>
        <translation>Seiten der Deutung</translation>
    </message>
    <message>
        <source>Tibetan Animal Sign</source>
        <translation>Tierzeichen</translation>
    </message>
    <message>
        <source>Picture of your Tibetan animal sign</source>
        <translation>Bild Ihres tibetischen Tierzeichens</translation>
    </message>
    <message>
        <source>Your Tibetan Animal Sign</source>
        <translation>Ihr tibetisches Tierzeichen</translation>
    </message>
    <message>
        <source>Tibetan Sun Sign</source>
        <translation>Sternzeichen</translation>
    </message>
    <message>
        <source>Picture of your sun sign</source>
        <translation>Bild Ihres Sternzeichens</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>en_GB</source>
        <comment>locale of the month names in dates</comment>
        <translation>de_DE</translation>
    </message>
    <message>
        <source>Born before Losar (Tibetan New Year, %1): in the traditional reckoning your year is %2.</source>
        <translation>Geboren vor Losar (tibetisches Neujahr, %1): Nach traditioneller Zählung ist Ihr Jahr ein %2-Jahr.</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>date of Losar</comment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>The animal Tiger</source>
        <translation>Das Tier Tiger</translation>
    </message>
    <message>
        <source>The western sign Aquarius</source>
        <translation>Das Sternzeichen Wassermann</translation>
    </message>
    <message>
        <source>The western sign %1</source>
        <translation>Das Sternzeichen %1</translation>
    </message>
    <message>
        <source>The animal %1</source>
        <translation>Das Tier %1</translation>
    </message>
</context>
<context>
    <name>SharedMenus</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Unsere &amp;Website besuchen</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Info zum Programm</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Online Geld verdienen</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>Das Programm läuft bereits.</translation>
    </message>
    <message>
        <source>Application is already running, but it did not take the reading file
%1
Please open it there.</source>
        <translation>Das Programm läuft bereits, hat aber die Deutungsdatei
%1
nicht übernommen. Bitte öffnen Sie sie dort.</translation>
    </message>
    <message>
        <source>%1
The reading file could not be opened (%2).</source>
        <translation>%1
Die Deutungsdatei konnte nicht geöffnet werden (%2).</translation>
    </message>
    <message>
        <source>the address names no file on this computer</source>
        <translation>die Adresse bezeichnet keine Datei auf diesem Computer</translation>
    </message>
    <message>
        <source>Application is already running.
%1
The reading file could not be opened (%2).</source>
        <translation>Das Programm läuft bereits.
%1
Die Deutungsdatei konnte nicht geöffnet werden (%2).</translation>
    </message>
    <message>
        <source>The system lets this program start no thread (a memory or process limit). Please raise the limit and start again.
</source>
        <translation>Das System lässt dieses Programm keinen Thread starten (eine Speicher- oder Prozessgrenze). Bitte heben Sie die Grenze an und starten Sie das Programm erneut.
</translation>
    </message>
    <message>
        <source>Only %1 files may be open at once, and this program needs %2. Please raise the limit (ulimit -n) and start again.</source>
        <translation>Es dürfen nur %1 Dateien gleichzeitig geöffnet sein, dieses Programm braucht %2. Bitte heben Sie die Grenze an (ulimit -n) und starten Sie das Programm erneut.</translation>
    </message>
</context>
<context>
    <name>SupportScreen</name>
    <message>
        <source>Zarvo emblem</source>
        <translation>Zarvo-Emblem</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Jetzt hier klicken und %1 besuchen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Einem Freund empfehlen</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name des Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse des Freundes</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Jetzt &amp;empfehlen</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Download Ovanthe Softwares</source>
        <translation>Ovanthe Softwares herunterladen</translation>
    </message>
    <message>
        <source>Click Here To Visit Ovanthe Softwares</source>
        <translation>Jetzt Ovanthe Softwares besuchen</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Die E-Mail-Adresse darf keine Leerzeichen enthalten.</translation>
    </message>
    <message>
        <source>A golden sun rising from a lotus, with a crescent moon</source>
        <translation>Eine goldene Sonne, die aus einer Lotosblüte aufsteigt, daneben eine Mondsichel</translation>
    </message>
</context>
<context>
    <name>TellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Bitte geben Sie zwei verschiedene E-Mail-Adressen ein.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte geben Sie Ihren Namen ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte geben Sie Ihre Nachricht ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte geben Sie den Namen Ihres Freundes ein.</translation>
    </message>
    <message>
        <source>Please Shorten Your Message To %1 Characters</source>
        <translation>Bitte kürzen Sie Ihre Nachricht auf %1 Zeichen.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Möglicherweise gibt es ein Update für dieses Programm.<byte value="xd"/>Möchten Sie nach Updates suchen?</translation>
    </message>
</context>
<context>
    <name>WindowParts</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Jetzt hier klicken und %1 besuchen</translation>
    </message>
</context>
</TS>
