<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AccountDialog</name>
    <message>
        <source>Wiki Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wiki&apos;s api.php, for example https://example.fandom.com/api.php</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bot user name as Special:BotPasswords shows it: User@AppName</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bot password Special:BotPasswords gave; kept in the desktop&apos;s password store, never in Quillmark.ini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(kept)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No bot password of %1 on %2 is kept yet: type it in &quot;Bot password&quot; above, then click Test.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>API address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bot user:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bot password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no (tick %1 on Special:BotPasswords)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logged in as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May upload files: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May replace files: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File types: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest file: %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BmpConverter</name>
    <message>
        <source>Drag and drop PNGs to be converted to BMPs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files could not be converted:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To BMP</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BuffedArmorBox</name>
    <message>
        <source>Buffed Armor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> AL </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IMP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wiki Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format the values entered above into template format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item Spell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buffed Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AL Spell Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base Armor Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slashing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piercing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bludgeoning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, item spell</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CaptureDialogs</name>
    <message>
        <source>The picture is %1 x %2 pixels; this needs at least %3 x %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy a screen shot first, then click the button again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColourBalance</name>
    <message>
        <source>Mask, source, result, conformity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour balance source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour balance result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conformity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red, green, blue %, gray %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gray %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nudge %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExpandedClipboardBox</name>
    <message>
        <source>Save Clipboard Items on Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left click to get text, right click to set text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expanded Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set new picture?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set new text?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormatTextBox</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wiki Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redirect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Formats text currently in clipboard (copied text). Right click for alternate format operation.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IconCorner</name>
    <message>
        <source>When checked saves the extracted icon along with the stats panel, uncheck when there&apos;s no icon, like with creature panels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extracted icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon cover</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IconPositionBox</name>
    <message>
        <source>Icon Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen shots taken when playing in full screen mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen shots taken when playing in windowed mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon Offsets Top Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Train Icon Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If icons are not being extracted from the right place, this will let you customize where to extract.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon offset top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon offset left</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IconTrainer</name>
    <message>
        <source>Train Icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy a screen shot first, then click the Train Icon Location button again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LevelXpBox</name>
    <message>
        <source>Level XP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LVL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XP Reward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percent of Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increase Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decrease Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raise level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Levels run from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LivePage</name>
    <message>
        <source>Crop a fixed area of image on clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crop an arbitrarily sized image.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter width in pixels:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter height in pixels:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy a screenshot, then click a crop button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Free  Crop </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crop sizes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screenshot to crop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cropped live shot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 -  X: %2  Y:%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 X:%2 Y:%3    %4x%5</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MergePage</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag and drop layers, double click to save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon outlines.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bludgeon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spell Vuln</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nonmagic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pierce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When unchecked, will not save resulting icon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merged icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backing tile %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store slot %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MultiUseControl</name>
    <message>
        <source>Extra templates</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MultiUseMessages</name>
    <message>
        <source>This button&apos;s function can be changed with the drop down menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multi use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Format allows you to specify a prefix or a suffix<byte value="xd"/>
or both to add to whatever is in the clipboard. They will<byte value="xd"/>
be added each time the Custom button is pressed. To change<byte value="xd"/>
the suffix or prefix values later, select Custom Format<byte value="xd"/>
from the drop down menu again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the exact text of the prefix. Leave blank if no prefix is desired.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the exact text of the suffix. Leave blank if no suffix is desired.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the conversion rate as a decimal number, for example if an item with a face value of 100p costs 120p, the conversion value would be 1.2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Damage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total damage done is %1.This value has been copied to the clipboard ready to be pasted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No text detected in the clipboard. Copy the text of the template you wish to create and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expanded Templates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are about to save the text currently in the clipboard as an expanded template. Click OK to proceed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a descriptive name for this template or block of text, this will be the name of the template file as stored in the Template Folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expanded Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a short name that will be displayed on the button (20 characters or less).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template file must be stored in the Template Folder: its name cannot contain &quot;/&quot;, &quot;\&quot; or &quot;..&quot; and can be at most 242 characters long. Please choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No more expanded templates can be added: the settings already list 32767 of them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template file could not be written:<byte value="xd"/>
%1<byte value="xd"/>
The expanded template was not added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file could not be written:<byte value="xd"/>
%1<byte value="xd"/>
The expanded template was not added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to convert: no map points (like 12.3N, 45.6E) found in the copied text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to add up: no lines like &quot;You hit the drudge for 25 points of damage.&quot; in the copied text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to convert: the copied text is not a creature page in the old table layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 rows converted: rows look like `Name | 1,000`</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 row converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rows converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 map point converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 map points converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creature page converted: 1 field found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creature page converted: %1 fields found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total damage %1 from 1 hit line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total damage %1 from %2 hit lines</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NameMessages</name>
    <message>
        <source>Name for Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be saved: &quot;%2&quot; is the name of a device on Windows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be saved: Windows does not allow &quot;%2&quot; in a file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be saved: Windows does not allow the control character %2 in a file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be saved: Windows drops dots and blanks at the end of a file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be saved: the whole path would be %2 characters, more than the %3 Windows takes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a shorter folder or name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use &quot;%1&quot; instead?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name for the Wiki</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name on the wiki:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains &quot;%2&quot;, a character the wiki does not allow in file names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains a control character (%2), which the wiki does not allow.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains an invisible direction mark (%2), which the wiki removes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains a space character (%2) that the wiki turns into a plain blank.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains &quot;%2&quot;, which the wiki does not allow (it stands for a signature).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains &quot;%2&quot;, which the wiki does not allow (it reads as an encoded character).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; starts with a blank, which the wiki removes (&quot;_&quot; counts as a blank).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; ends with a blank, which the wiki removes (&quot;_&quot; counts as a blank).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; has two blanks in a row, which the wiki makes one (&quot;_&quot; counts as a blank).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains &quot;%2&quot;, which the wiki does not allow (it reads as an HTML entity).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; is %2 bytes long in UTF-8; the wiki allows %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; has no name before its extension.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wiki shows every file name with a capital first letter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsPage</name>
    <message>
        <source>When checked, images will be saved automatically with a time stamp and you will not be asked to name the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When checked, anytime a file is saved the file name will automatically be copied to the clipboard ready to be pasted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When unchecked, no stats panel will be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check names for the wiki</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When checked, every file name is checked against the wiki&apos;s rules before it is saved, and a cleaned name is offered when it breaks one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smallest PNG files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When checked, PNG files are saved as small as they can be without losing a pixel (a palette or grey where the picture allows).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload saved pictures to the wiki</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When checked, every picture saved is uploaded to the wiki set up with Wiki..., one after the other, while you go on working.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wiki&apos;s address and the bot account that uploads.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The uploads: what went up, what waits, what the wiki asks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Autoname on, pictures are named from the time they are saved, such as 39863.png, and uploading puts them on the wiki under those names, where nobody can tell what they show.

For a shared wiki, turn Autoname off and name each picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What autocopy puts on the clipboard: the name, the file name with its extension, or the wiki markup that shows the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wiki markup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Stats Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wiki...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploads...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autoname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autocopy File Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PanelPage</name>
    <message>
        <source>Crop a fixed height stat panel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter height in pixels:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy a screenshot, then click a height button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stats panel heights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extracted stats panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasswordStore</name>
    <message>
        <source>No password store is running: the bot password is kept for this run only.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureArea</name>
    <message>
        <source>%1, %2 x %3 pixels</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveMessages</name>
    <message>
        <source>%1, %2</source>
        <comment>a list going on</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two of a list</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <comment>files in a folder</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replaced %1 (the old file is kept as %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replaced %1 (the old file is in the trash)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replaced %1 (the old files are in the trash)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveOptionsBox</name>
    <message>
        <source>Icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to save Icons in the default location (Images folder where this program is located).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uncheck Default path and specify the folder location where Icons will be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stats Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to save Stats Panel in the default location (Images folder where this program is located).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uncheck Default path and specify the folder location where Stats Panels will be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live Shot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to save Live Shots in the default location (Images folder where this program is located).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uncheck Default path and specify the folder location where Live Shots will be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality of JPG compression, ranges from 1% (low) to 100% (high). Commonly set to 75% to 90%.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suffix:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPG quality</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveRoutine</name>
    <message>
        <source>File Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIF support not yet added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpawnMapTool</name>
    <message>
        <source>Create Spawn Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detailed instructions on Quillmark page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spawn map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spawn Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The spawn map sampling offset in the settings (&quot;SpawnMap&quot; &quot;X&quot; = %1, &quot;Y&quot; = %2) must be from 0 to %3 for both X and Y. Please correct Quillmark.ini.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No bitmap detected in clipboard. While using the Viewer prest ALT + PRT SCR.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save the spawn map %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to create spawn map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No comparison map was found, please look up Quillmark<byte value="xd"/>
on the Wiki for detailed instructions for creating this file<byte value="xd"/>
and using the Spawn Map creation function. Thank you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The comparison map %1 could not be read as a bitmap:
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TemplatesBox</name>
    <message>
        <source>Armor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shield</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Melee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NPC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magic Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non Magic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Food</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cooking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jewelry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Translation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dungeon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Templates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt template open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Right click for:   %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolsPage</name>
    <message>
        <source>Update Templates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates templates using text found on Quillmark/Page Templates.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cycle Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left click to place next category in clipboard, right click to start at beginning again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 templates were successfully updated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No template text was detected in the clipboard.<byte value="xd"/>
For details on how to use this feature, see:<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Page Templates</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UploadCenter</name>
    <message>
        <source>Wiki Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bot password of %1 on %2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploaded %1 to the wiki.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is already on the wiki with the same picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 waits for an answer in the upload list. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not uploaded. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was skipped; it stays on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not sent: the wiki has the same picture as %2, which is used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploading %1 of %2...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UploadsWindow</name>
    <message>
        <source>Uploads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop picture files here to upload them; double-click one to open its page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>uploading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>uploaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs an answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Existing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload Anyway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Name...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowOptions</name>
    <message>
        <source>Display Tooltips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transparent Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When checked, buttons etc will display a tool tip when mouse hovers over it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When checked, the program window will always be on top of other windows open on the desktop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When checked, the program window will become transparent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to set alpha, the degree of window transparency.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When checked, a fixed-size crop shows the pixels around the pointer magnified; the arrow keys move the rectangle and Enter cuts it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When checked, empty picture areas say what to do.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Window Alpha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a value between 1 and 255, 1 being transparent, 255 being opaque.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set window alpha</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmVandrel</name>
    <message>
        <source>1 Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 Live</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 Merge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab leads into the page; Escape and the keys 1 to 6 choose a tab.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
