<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>Zarvo emblem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <source>Zarvo Tibetan Astrology v%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zarvo Tibetan Astrology</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Zarvo emblem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tibetan Astrology</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Male</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Female</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get My Tibetan &amp;Astrology Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select Your Sex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>%1
This folder does not exist. Please choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
This file is read-only. Please choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadingFile</name>
    <message>
        <source>it is not a plain file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportComposer</name>
    <message>
        <source>Male</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Female</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Name: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Sex: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Tibetan Sun Sign: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Tranlation of Tibetan Sun Sign: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Western Sun Sign: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Tibetan Animal Sign: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Tibetan Element: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportWindow</name>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Generated By %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rich Text Format (*.tib)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
The reading could not be saved (%2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultWindow</name>
    <message>
        <source>Offers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tibetan Astrology</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Tibetan Element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Tibetan Sun Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Translation of Tibetan Sun Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tibetan Animal Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture of your Tibetan animal sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Tibetan Animal Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tibetan Sun Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture of your sun sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>en_GB</source>
        <comment>locale of the month names in dates</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Born before Losar (Tibetan New Year, %1): in the traditional reckoning your year is %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>date of Losar</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SupportScreen</name>
    <message>
        <source>Zarvo emblem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Ovanthe Softwares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Visit Ovanthe Softwares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowParts</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
