<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AccountDialog</name>
    <message>
        <source>Wiki Account</source>
        <translation>Wiki-Konto</translation>
    </message>
    <message>
        <source>The wiki&apos;s api.php, for example https://example.fandom.com/api.php</source>
        <translation>Die api.php des Wikis, zum Beispiel https://example.fandom.com/api.php</translation>
    </message>
    <message>
        <source>The bot user name as Special:BotPasswords shows it: User@AppName</source>
        <translation>Der Bot-Benutzername, wie ihn Special:BotPasswords anzeigt: User@AppName</translation>
    </message>
    <message>
        <source>The bot password Special:BotPasswords gave; kept in the desktop&apos;s password store, never in Quillmark.ini</source>
        <translation>Das Bot-Passwort, das Special:BotPasswords ausgegeben hat; es wird im Passwortspeicher des Desktops aufbewahrt, nie in Quillmark.ini</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>Testing...</source>
        <translation>Test läuft...</translation>
    </message>
    <message>
        <source>(kept)</source>
        <translation>(gespeichert)</translation>
    </message>
    <message>
        <source>No bot password of %1 on %2 is kept yet: type it in &quot;Bot password&quot; above, then click Test.</source>
        <translation>Für %1 auf %2 ist noch kein Bot-Passwort gespeichert: Geben Sie es oben unter „Bot-Passwort“ ein und klicken Sie dann auf „Testen“.</translation>
    </message>
    <message>
        <source>API address:</source>
        <translation>API-Adresse:</translation>
    </message>
    <message>
        <source>Bot user:</source>
        <translation>Bot-Benutzer:</translation>
    </message>
    <message>
        <source>Bot password:</source>
        <translation>Bot-Passwort:</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no (tick %1 on Special:BotPasswords)</source>
        <translation>nein (aktivieren Sie %1 auf Special:BotPasswords)</translation>
    </message>
    <message>
        <source>Logged in as %1.</source>
        <translation>Angemeldet als %1.</translation>
    </message>
    <message>
        <source>May upload files: %1</source>
        <translation>Darf Dateien hochladen: %1</translation>
    </message>
    <message>
        <source>May replace files: %1</source>
        <translation>Darf Dateien ersetzen: %1</translation>
    </message>
    <message>
        <source>File types: %1</source>
        <translation>Dateitypen: %1</translation>
    </message>
    <message>
        <source>Largest file: %1 bytes</source>
        <translation>Größte Datei: %1 Bytes</translation>
    </message>
</context>
<context>
    <name>BmpConverter</name>
    <message>
        <source>Drag and drop PNGs to be converted to BMPs</source>
        <translation>PNG-Dateien hierher ziehen, um sie in BMP umzuwandeln</translation>
    </message>
    <message>
        <source>These files could not be converted:</source>
        <translation>Diese Dateien konnten nicht umgewandelt werden:</translation>
    </message>
    <message>
        <source>To BMP</source>
        <translation>In BMP</translation>
    </message>
</context>
<context>
    <name>BuffedArmorBox</name>
    <message>
        <source>Buffed Armor</source>
        <translation>Gebuffte Rüstung</translation>
    </message>
    <message>
        <source> AL </source>
        <translation> AL </translation>
    </message>
    <message>
        <source>IMP</source>
        <translation>IMP</translation>
    </message>
    <message>
        <source>Wiki Code</source>
        <translation>Wiki-Code</translation>
    </message>
    <message>
        <source>Format the values entered above into template format.</source>
        <translation>Formatiert die oben eingegebenen Werte im Vorlagenformat.</translation>
    </message>
    <message>
        <source>Item Spell</source>
        <translation>Item-Zauber</translation>
    </message>
    <message>
        <source>Buffed Value</source>
        <translation>Gebuffter Wert</translation>
    </message>
    <message>
        <source>AL Spell Value</source>
        <translation>AL-Zauberwert</translation>
    </message>
    <message>
        <source>Base Armor Level</source>
        <translation>Basis-Rüstungsstufe</translation>
    </message>
    <message>
        <source>Slashing</source>
        <translation>Hieb</translation>
    </message>
    <message>
        <source>Piercing</source>
        <translation>Stich</translation>
    </message>
    <message>
        <source>Bludgeoning</source>
        <translation>Wucht</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Feuer</translation>
    </message>
    <message>
        <source>Cold</source>
        <translation>Kälte</translation>
    </message>
    <message>
        <source>Acid</source>
        <translation>Säure</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Blitz</translation>
    </message>
    <message>
        <source>%1, item spell</source>
        <translation>%1, Item-Zauber</translation>
    </message>
</context>
<context>
    <name>CaptureDialogs</name>
    <message>
        <source>The picture is %1 x %2 pixels; this needs at least %3 x %4.</source>
        <translation>Das Bild ist %1 x %2 Pixel groß; benötigt werden mindestens %3 x %4.</translation>
    </message>
    <message>
        <source>Copy a screen shot first, then click the button again.</source>
        <translation>Kopieren Sie zuerst einen Screenshot und klicken Sie dann erneut auf die Schaltfläche.</translation>
    </message>
    <message>
        <source>Could not open %1:
%2</source>
        <translation>%1 konnte nicht geöffnet werden:
%2</translation>
    </message>
</context>
<context>
    <name>ColourBalance</name>
    <message>
        <source>Mask, source, result, conformity</source>
        <translation>Maske, Quelle, Ergebnis, Übereinstimmung</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Maske</translation>
    </message>
    <message>
        <source>Colour balance source</source>
        <translation>Quelle des Farbabgleichs</translation>
    </message>
    <message>
        <source>Colour balance result</source>
        <translation>Ergebnis des Farbabgleichs</translation>
    </message>
    <message>
        <source>Conformity</source>
        <translation>Übereinstimmung</translation>
    </message>
    <message>
        <source>Red, green, blue %, gray %</source>
        <translation>Rot, Grün, Blau %, Grau %</translation>
    </message>
    <message>
        <source>Red %</source>
        <translation>Rot %</translation>
    </message>
    <message>
        <source>Green %</source>
        <translation>Grün %</translation>
    </message>
    <message>
        <source>Blue %</source>
        <translation>Blau %</translation>
    </message>
    <message>
        <source>Gray %</source>
        <translation>Grau %</translation>
    </message>
    <message>
        <source>Nudge %1</source>
        <translation>%1 feinjustieren</translation>
    </message>
</context>
<context>
    <name>ExpandedClipboardBox</name>
    <message>
        <source>Save Clipboard Items on Exit</source>
        <translation>Einträge beim Beenden speichern</translation>
    </message>
    <message>
        <source>Left click to get text, right click to set text.</source>
        <translation>Linksklick: Text abrufen, Rechtsklick: Text festlegen.</translation>
    </message>
    <message>
        <source>Expanded Clipboard</source>
        <translation>Erw. Zwischenablage</translation>
    </message>
    <message>
        <source>Set new picture?</source>
        <translation>Neues Bild festlegen?</translation>
    </message>
    <message>
        <source>Set new text?</source>
        <translation>Neuen Text festlegen?</translation>
    </message>
</context>
<context>
    <name>FormatTextBox</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Wiki Link</source>
        <translation>Wiki-Link</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Redirect</source>
        <translation>Weiterleitung</translation>
    </message>
    <message>
        <source>Format Text</source>
        <translation>Formatieren</translation>
    </message>
    <message>
        <source>Formats text currently in clipboard (copied text). Right click for alternate format operation.</source>
        <translation>Formatiert den Text in der Zwischenablage (kopierten Text). Rechtsklick für eine alternative Formatierung.</translation>
    </message>
</context>
<context>
    <name>IconCorner</name>
    <message>
        <source>When checked saves the extracted icon along with the stats panel, uncheck when there&apos;s no icon, like with creature panels.</source>
        <translation>Wenn aktiviert, wird das ausgeschnittene Symbol zusammen mit dem Werte-Panel gespeichert. Deaktivieren, wenn es kein Symbol gibt, etwa bei Kreatur-Panels.</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Extracted icon</source>
        <translation>Ausgeschnittenes Symbol</translation>
    </message>
    <message>
        <source>Icon cover</source>
        <translation>Symbolabdeckung</translation>
    </message>
</context>
<context>
    <name>IconPositionBox</name>
    <message>
        <source>Icon Position</source>
        <translation>Symbolposition</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Screen shots taken when playing in full screen mode.</source>
        <translation>Screenshots, die im Vollbildmodus aufgenommen wurden.</translation>
    </message>
    <message>
        <source>Windowed</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Screen shots taken when playing in windowed mode.</source>
        <translation>Screenshots, die im Fenstermodus aufgenommen wurden.</translation>
    </message>
    <message>
        <source>Icon Offsets Top Left</source>
        <translation>Symbolversatz oben links</translation>
    </message>
    <message>
        <source>Train Icon Location</source>
        <translation>Symbolposition anlernen</translation>
    </message>
    <message>
        <source>If icons are not being extracted from the right place, this will let you customize where to extract.</source>
        <translation>Wenn Symbole nicht an der richtigen Stelle ausgeschnitten werden, können Sie hier festlegen, wo ausgeschnitten wird.</translation>
    </message>
    <message>
        <source>Icon offset top</source>
        <translation>Symbolversatz oben</translation>
    </message>
    <message>
        <source>Icon offset left</source>
        <translation>Symbolversatz links</translation>
    </message>
</context>
<context>
    <name>IconTrainer</name>
    <message>
        <source>Train Icon</source>
        <translation>Symbol anlernen</translation>
    </message>
    <message>
        <source>Copy a screen shot first, then click the Train Icon Location button again.</source>
        <translation>Kopieren Sie zuerst einen Screenshot und klicken Sie dann erneut auf „Symbolposition anlernen“.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>LevelXpBox</name>
    <message>
        <source>Level XP</source>
        <translation>Level-XP</translation>
    </message>
    <message>
        <source>LVL</source>
        <translation>LVL</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>XP Reward</source>
        <translation>XP-Belohnung</translation>
    </message>
    <message>
        <source>Percent of Level</source>
        <translation>Prozent des Levels</translation>
    </message>
    <message>
        <source>Increase Level</source>
        <translation>Level erhöhen</translation>
    </message>
    <message>
        <source>Decrease Level</source>
        <translation>Level verringern</translation>
    </message>
    <message>
        <source>Raise level</source>
        <translation>Level erhöhen</translation>
    </message>
    <message>
        <source>Lower level</source>
        <translation>Level senken</translation>
    </message>
    <message>
        <source>Levels run from %1 to %2</source>
        <translation>Level reichen von %1 bis %2</translation>
    </message>
</context>
<context>
    <name>LivePage</name>
    <message>
        <source>Crop a fixed area of image on clipboard.</source>
        <translation>Schneidet einen festen Bereich aus dem Bild in der Zwischenablage aus.</translation>
    </message>
    <message>
        <source>Crop an arbitrarily sized image.</source>
        <translation>Schneidet einen Bereich beliebiger Größe aus.</translation>
    </message>
    <message>
        <source>Enter width in pixels:</source>
        <translation>Breite in Pixeln eingeben:</translation>
    </message>
    <message>
        <source>Enter height in pixels:</source>
        <translation>Höhe in Pixeln eingeben:</translation>
    </message>
    <message>
        <source>Image Name</source>
        <translation>Bildname</translation>
    </message>
    <message>
        <source>Copy a screenshot, then click a crop button.</source>
        <translation>Kopieren Sie einen Screenshot und klicken Sie dann auf eine Zuschnitt-Schaltfläche.</translation>
    </message>
    <message>
        <source> Free  Crop </source>
        <translation> Frei  zuschneiden </translation>
    </message>
    <message>
        <source>Crop sizes</source>
        <translation>Zuschnittgrößen</translation>
    </message>
    <message>
        <source>Screenshot to crop</source>
        <translation>Screenshot zum Zuschneiden</translation>
    </message>
    <message>
        <source>Cropped live shot</source>
        <translation>Zugeschnittenes Live-Bild</translation>
    </message>
    <message>
        <source>%1 -  X: %2  Y:%3</source>
        <translation>%1 -  X: %2  Y:%3</translation>
    </message>
    <message>
        <source>%1 X:%2 Y:%3    %4x%5</source>
        <translation>%1 X:%2 Y:%3    %4x%5</translation>
    </message>
</context>
<context>
    <name>MergePage</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Drag and drop layers, double click to save.</source>
        <translation>Ebenen per Ziehen und Ablegen anordnen, Doppelklick zum Speichern.</translation>
    </message>
    <message>
        <source>Icon outlines.</source>
        <translation>Symbolumrisse.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Acid</source>
        <translation>Säure</translation>
    </message>
    <message>
        <source>Bludgeon</source>
        <translation>Wucht</translation>
    </message>
    <message>
        <source>Cold</source>
        <translation>Kälte</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Feuer</translation>
    </message>
    <message>
        <source>Lightning</source>
        <translation>Blitz</translation>
    </message>
    <message>
        <source>Magic</source>
        <translation>Magie</translation>
    </message>
    <message>
        <source>Spell Vuln</source>
        <translation>Anfälligkeit</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Nonmagic</source>
        <translation>Unmagisch</translation>
    </message>
    <message>
        <source>Pierce</source>
        <translation>Stich</translation>
    </message>
    <message>
        <source>Slash</source>
        <translation>Hieb</translation>
    </message>
    <message>
        <source>When unchecked, will not save resulting icon.</source>
        <translation>Wenn deaktiviert, wird das resultierende Symbol nicht gespeichert.</translation>
    </message>
    <message>
        <source>Working icon</source>
        <translation>Symbol in Bearbeitung</translation>
    </message>
    <message>
        <source>Merged icon</source>
        <translation>Kombiniertes Symbol</translation>
    </message>
    <message>
        <source>Backing tile %1</source>
        <translation>Hintergrundkachel %1</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Maske</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>Store slot %1</source>
        <translation>Speicherplatz %1</translation>
    </message>
</context>
<context>
    <name>MultiUseControl</name>
    <message>
        <source>Extra templates</source>
        <translation>Zusätzliche Vorlagen</translation>
    </message>
</context>
<context>
    <name>MultiUseMessages</name>
    <message>
        <source>This button&apos;s function can be changed with the drop down menu.</source>
        <translation>Die Funktion dieser Schaltfläche kann über das Dropdown-Menü geändert werden.</translation>
    </message>
    <message>
        <source>Multi use</source>
        <translation>Mehrzweck</translation>
    </message>
    <message>
        <source>Custom Format</source>
        <translation>Eigenes Format</translation>
    </message>
    <message>
        <source>Custom Format allows you to specify a prefix or a suffix<byte value="xd"/>
or both to add to whatever is in the clipboard. They will<byte value="xd"/>
be added each time the Custom button is pressed. To change<byte value="xd"/>
the suffix or prefix values later, select Custom Format<byte value="xd"/>
from the drop down menu again.</source>
        <translation>Mit „Eigenes Format“ legen Sie ein Präfix, ein Suffix<byte value="xd"/>
oder beides fest, das dem Inhalt der Zwischenablage<byte value="xd"/>
hinzugefügt wird – bei jedem Klick auf die Schaltfläche.<byte value="xd"/>
Um Präfix oder Suffix später zu ändern, wählen Sie<byte value="xd"/>
erneut „Eigenes Format“ im Dropdown-Menü.</translation>
    </message>
    <message>
        <source>Please enter the exact text of the prefix. Leave blank if no prefix is desired.</source>
        <translation>Geben Sie den genauen Text des Präfixes ein. Lassen Sie das Feld leer, wenn Sie kein Präfix wünschen.</translation>
    </message>
    <message>
        <source>Please enter the exact text of the suffix. Leave blank if no suffix is desired.</source>
        <translation>Geben Sie den genauen Text des Suffixes ein. Lassen Sie das Feld leer, wenn Sie kein Suffix wünschen.</translation>
    </message>
    <message>
        <source>Conversion Rate</source>
        <translation>Umrechnungskurs</translation>
    </message>
    <message>
        <source>Please enter the conversion rate as a decimal number, for example if an item with a face value of 100p costs 120p, the conversion value would be 1.2.</source>
        <translation>Geben Sie den Umrechnungskurs als Dezimalzahl ein. Kostet z. B. ein Gegenstand mit einem Nennwert von 100p tatsächlich 120p, beträgt der Umrechnungskurs 1,2.</translation>
    </message>
    <message>
        <source>Total Damage</source>
        <translation>Gesamtschaden</translation>
    </message>
    <message>
        <source>Total damage done is %1.This value has been copied to the clipboard ready to be pasted.</source>
        <translation>Der verursachte Gesamtschaden beträgt %1. Dieser Wert wurde in die Zwischenablage kopiert und kann eingefügt werden.</translation>
    </message>
    <message>
        <source>No text detected in the clipboard. Copy the text of the template you wish to create and try again.</source>
        <translation>In der Zwischenablage wurde kein Text gefunden. Kopieren Sie den Text der Vorlage, die Sie erstellen möchten, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Expanded Templates</source>
        <translation>Erweiterte Vorlagen</translation>
    </message>
    <message>
        <source>You are about to save the text currently in the clipboard as an expanded template. Click OK to proceed.</source>
        <translation>Sie sind dabei, den Text in der Zwischenablage als erweiterte Vorlage zu speichern. Klicken Sie zum Fortfahren auf OK.</translation>
    </message>
    <message>
        <source>Please enter a descriptive name for this template or block of text, this will be the name of the template file as stored in the Template Folder.</source>
        <translation>Geben Sie einen aussagekräftigen Namen für diese Vorlage bzw. diesen Textblock ein. Unter diesem Namen wird die Vorlagendatei im Vorlagenordner gespeichert.</translation>
    </message>
    <message>
        <source>Expanded Template</source>
        <translation>Erweiterte Vorlage</translation>
    </message>
    <message>
        <source>Please enter a short name that will be displayed on the button (20 characters or less).</source>
        <translation>Geben Sie einen Kurznamen ein, der auf der Schaltfläche angezeigt wird (höchstens 20 Zeichen).</translation>
    </message>
    <message>
        <source>The template file must be stored in the Template Folder: its name cannot contain &quot;/&quot;, &quot;\&quot; or &quot;..&quot; and can be at most 242 characters long. Please choose another name.</source>
        <translation>Die Vorlagendatei muss im Vorlagenordner gespeichert werden: Ihr Name darf weder „/“, „\“ noch „..“ enthalten und höchstens 242 Zeichen lang sein. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>No more expanded templates can be added: the settings already list 32767 of them.</source>
        <translation>Es können keine weiteren erweiterten Vorlagen hinzugefügt werden: Die Einstellungen enthalten bereits 32767.</translation>
    </message>
    <message>
        <source>The template file could not be written:<byte value="xd"/>
%1<byte value="xd"/>
The expanded template was not added.</source>
        <translation>Die Vorlagendatei konnte nicht geschrieben werden:<byte value="xd"/>
%1<byte value="xd"/>
Die erweiterte Vorlage wurde nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>The settings file could not be written:<byte value="xd"/>
%1<byte value="xd"/>
The expanded template was not added.</source>
        <translation>Die Einstellungsdatei konnte nicht geschrieben werden:<byte value="xd"/>
%1<byte value="xd"/>
Die erweiterte Vorlage wurde nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>Nothing to convert: no map points (like 12.3N, 45.6E) found in the copied text</source>
        <translation>Nichts umzuwandeln: Im kopierten Text wurden keine Kartenpunkte (wie 12.3N, 45.6E) gefunden</translation>
    </message>
    <message>
        <source>Nothing to add up: no lines like &quot;You hit the drudge for 25 points of damage.&quot; in the copied text</source>
        <translation>Nichts zu addieren: Der kopierte Text enthält keine Zeilen wie „You hit the drudge for 25 points of damage.“</translation>
    </message>
    <message>
        <source>Nothing to convert: the copied text is not a creature page in the old table layout</source>
        <translation>Nichts umzuwandeln: Der kopierte Text ist keine Kreaturseite im alten Tabellenlayout</translation>
    </message>
    <message>
        <source>0 rows converted: rows look like `Name | 1,000`</source>
        <translation>0 Zeilen umgewandelt: Zeilen haben die Form `Name | 1,000`</translation>
    </message>
    <message>
        <source>1 row converted</source>
        <translation>1 Zeile umgewandelt</translation>
    </message>
    <message>
        <source>%1 rows converted</source>
        <translation>%1 Zeilen umgewandelt</translation>
    </message>
    <message>
        <source>1 map point converted</source>
        <translation>1 Kartenpunkt umgewandelt</translation>
    </message>
    <message>
        <source>%1 map points converted</source>
        <translation>%1 Kartenpunkte umgewandelt</translation>
    </message>
    <message>
        <source>Creature page converted: 1 field found</source>
        <translation>Kreaturseite umgewandelt: 1 Feld gefunden</translation>
    </message>
    <message>
        <source>Creature page converted: %1 fields found</source>
        <translation>Kreaturseite umgewandelt: %1 Felder gefunden</translation>
    </message>
    <message>
        <source>Total damage %1 from 1 hit line</source>
        <translation>Gesamtschaden %1 aus 1 Trefferzeile</translation>
    </message>
    <message>
        <source>Total damage %1 from %2 hit lines</source>
        <translation>Gesamtschaden %1 aus %2 Trefferzeilen</translation>
    </message>
    <message>
        <source>Add Expanded Template</source>
        <translation>Erweiterte Vorlage hinzufügen</translation>
    </message>
    <message>
        <source>Add New</source>
        <translation>Neu hinzufügen</translation>
    </message>
    <message>
        <source>Attuned Bonded</source>
        <translation>Attuned Bonded</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Puffer</translation>
    </message>
    <message>
        <source>Caster Spells VI</source>
        <translation>Zauberer-Sprüche VI</translation>
    </message>
    <message>
        <source>Caster Spells VII</source>
        <translation>Zauberer-Sprüche VII</translation>
    </message>
    <message>
        <source>Caster VI</source>
        <translation>Zauberer VI</translation>
    </message>
    <message>
        <source>Caster VII</source>
        <translation>Zauberer VII</translation>
    </message>
    <message>
        <source>Convert Shopkeeper Prices</source>
        <translation>Händlerpreise umrechnen</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigenes</translation>
    </message>
    <message>
        <source>Dialog NPC Open Chat</source>
        <translation>Dialog NPC-Chat</translation>
    </message>
    <message>
        <source>Dialog Spell Chat</source>
        <translation>Dialog Zauber-Chat</translation>
    </message>
    <message>
        <source>Map Point</source>
        <translation>Kartenpunkt</translation>
    </message>
    <message>
        <source>Map Point Plus</source>
        <translation>Kartenpunkt Plus</translation>
    </message>
    <message>
        <source>Melee Spells VI</source>
        <translation>Nahkampf-Sprüche VI</translation>
    </message>
    <message>
        <source>Melee Spells VII</source>
        <translation>Nahkampf-Sprüche VII</translation>
    </message>
    <message>
        <source>Melee VI</source>
        <translation>Nahkampf VI</translation>
    </message>
    <message>
        <source>Melee VII</source>
        <translation>Nahkampf VII</translation>
    </message>
    <message>
        <source>Missile Spells VI</source>
        <translation>Fernkampf-Sprüche VI</translation>
    </message>
    <message>
        <source>Missile Spells VII</source>
        <translation>Fernkampf-Sprüche VII</translation>
    </message>
    <message>
        <source>Missile VI</source>
        <translation>Fernkampf VI</translation>
    </message>
    <message>
        <source>Missile VII</source>
        <translation>Fernkampf VII</translation>
    </message>
    <message>
        <source>NPC Chat</source>
        <translation>NPC-Chat</translation>
    </message>
    <message>
        <source>Prices</source>
        <translation>Preise</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Spell Chat</source>
        <translation>Zauber-Chat</translation>
    </message>
    <message>
        <source>Text Cache</source>
        <translation>Textpuffer</translation>
    </message>
    <message>
        <source>Update Creature</source>
        <translation>Kreatur neu</translation>
    </message>
    <message>
        <source>Update Creature Template</source>
        <translation>Kreaturvorlage erneuern</translation>
    </message>
</context>
<context>
    <name>NameMessages</name>
    <message>
        <source>Name for Windows</source>
        <translation>Name für Windows</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be saved: &quot;%2&quot; is the name of a device on Windows.</source>
        <translation>„%1“ kann nicht gespeichert werden: „%2“ ist unter Windows der Name eines Geräts.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be saved: Windows does not allow &quot;%2&quot; in a file name.</source>
        <translation>„%1“ kann nicht gespeichert werden: Windows erlaubt „%2“ nicht in Dateinamen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be saved: Windows does not allow the control character %2 in a file name.</source>
        <translation>„%1“ kann nicht gespeichert werden: Windows erlaubt das Steuerzeichen %2 nicht in Dateinamen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be saved: Windows drops dots and blanks at the end of a file name.</source>
        <translation>„%1“ kann nicht gespeichert werden: Windows entfernt Punkte und Leerzeichen am Ende eines Dateinamens.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be saved: the whole path would be %2 characters, more than the %3 Windows takes.</source>
        <translation>„%1“ kann nicht gespeichert werden: Der vollständige Pfad wäre %2 Zeichen lang, mehr als die %3, die Windows zulässt.</translation>
    </message>
    <message>
        <source>Choose a shorter folder or name.</source>
        <translation>Wählen Sie einen kürzeren Ordner oder Namen.</translation>
    </message>
    <message>
        <source>Use &quot;%1&quot; instead?</source>
        <translation>Stattdessen „%1“ verwenden?</translation>
    </message>
    <message>
        <source>Name for the Wiki</source>
        <translation>Name für das Wiki</translation>
    </message>
    <message>
        <source>File name on the wiki:</source>
        <translation>Dateiname im Wiki:</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains &quot;%2&quot;, a character the wiki does not allow in file names.</source>
        <translation>Der Dateiname „%1“ enthält „%2“, ein Zeichen, das das Wiki in Dateinamen nicht erlaubt.</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains a control character (%2), which the wiki does not allow.</source>
        <translation>Der Dateiname „%1“ enthält ein Steuerzeichen (%2), das das Wiki nicht erlaubt.</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains an invisible direction mark (%2), which the wiki removes.</source>
        <translation>Der Dateiname „%1“ enthält eine unsichtbare Richtungsmarkierung (%2), die das Wiki entfernt.</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains a space character (%2) that the wiki turns into a plain blank.</source>
        <translation>Der Dateiname „%1“ enthält ein besonderes Leerzeichen (%2), das das Wiki in ein einfaches Leerzeichen umwandelt.</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains &quot;%2&quot;, which the wiki does not allow (it stands for a signature).</source>
        <translation>Der Dateiname „%1“ enthält „%2“, was das Wiki nicht erlaubt (es steht für eine Signatur).</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains &quot;%2&quot;, which the wiki does not allow (it reads as an encoded character).</source>
        <translation>Der Dateiname „%1“ enthält „%2“, was das Wiki nicht erlaubt (es wird als kodiertes Zeichen gelesen).</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; starts with a blank, which the wiki removes (&quot;_&quot; counts as a blank).</source>
        <translation>Der Dateiname „%1“ beginnt mit einem Leerzeichen, das das Wiki entfernt („_“ zählt als Leerzeichen).</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; ends with a blank, which the wiki removes (&quot;_&quot; counts as a blank).</source>
        <translation>Der Dateiname „%1“ endet mit einem Leerzeichen, das das Wiki entfernt („_“ zählt als Leerzeichen).</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; has two blanks in a row, which the wiki makes one (&quot;_&quot; counts as a blank).</source>
        <translation>Der Dateiname „%1“ enthält zwei Leerzeichen hintereinander, die das Wiki zu einem zusammenfasst („_“ zählt als Leerzeichen).</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; contains &quot;%2&quot;, which the wiki does not allow (it reads as an HTML entity).</source>
        <translation>Der Dateiname „%1“ enthält „%2“, was das Wiki nicht erlaubt (es wird als HTML-Entität gelesen).</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; is %2 bytes long in UTF-8; the wiki allows %3.</source>
        <translation>Der Dateiname „%1“ ist in UTF-8 %2 Bytes lang; das Wiki erlaubt %3.</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; has no name before its extension.</source>
        <translation>Der Dateiname „%1“ hat keinen Namen vor der Dateierweiterung.</translation>
    </message>
    <message>
        <source>The wiki shows every file name with a capital first letter.</source>
        <translation>Das Wiki zeigt jeden Dateinamen mit großem Anfangsbuchstaben an.</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Verwenden</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
</context>
<context>
    <name>OptionsPage</name>
    <message>
        <source>When checked, images will be saved automatically with a time stamp and you will not be asked to name the file.</source>
        <translation>Wenn aktiviert, werden Bilder automatisch mit einem Zeitstempel gespeichert, und Sie werden nicht nach einem Dateinamen gefragt.</translation>
    </message>
    <message>
        <source>When checked, anytime a file is saved the file name will automatically be copied to the clipboard ready to be pasted.</source>
        <translation>Wenn aktiviert, wird bei jedem Speichern der Dateiname automatisch in die Zwischenablage kopiert und kann eingefügt werden.</translation>
    </message>
    <message>
        <source>When unchecked, no stats panel will be saved.</source>
        <translation>Wenn deaktiviert, wird kein Werte-Panel gespeichert.</translation>
    </message>
    <message>
        <source>Check names for the wiki</source>
        <translation>Namen fürs Wiki prüfen</translation>
    </message>
    <message>
        <source>When checked, every file name is checked against the wiki&apos;s rules before it is saved, and a cleaned name is offered when it breaks one.</source>
        <translation>Wenn aktiviert, wird jeder Dateiname vor dem Speichern anhand der Regeln des Wikis geprüft; verstößt er gegen eine, wird ein bereinigter Name vorgeschlagen.</translation>
    </message>
    <message>
        <source>Smallest PNG files</source>
        <translation>Kleinste PNG-Dateien</translation>
    </message>
    <message>
        <source>When checked, PNG files are saved as small as they can be without losing a pixel (a palette or grey where the picture allows).</source>
        <translation>Wenn aktiviert, werden PNG-Dateien so klein wie möglich gespeichert, ohne ein Pixel zu verlieren (mit Palette oder in Graustufen, wo das Bild es zulässt).</translation>
    </message>
    <message>
        <source>Upload saved pictures to the wiki</source>
        <translation>Gespeicherte Bilder ins Wiki hochladen</translation>
    </message>
    <message>
        <source>When checked, every picture saved is uploaded to the wiki set up with Wiki..., one after the other, while you go on working.</source>
        <translation>Wenn aktiviert, wird jedes gespeicherte Bild nacheinander in das unter „Wiki...“ eingerichtete Wiki hochgeladen, während Sie weiterarbeiten.</translation>
    </message>
    <message>
        <source>The wiki&apos;s address and the bot account that uploads.</source>
        <translation>Die Adresse des Wikis und das Bot-Konto, das hochlädt.</translation>
    </message>
    <message>
        <source>The uploads: what went up, what waits, what the wiki asks.</source>
        <translation>Das Hochladen: was hochgeladen wurde, was wartet, was das Wiki fragt.</translation>
    </message>
    <message>
        <source>With Autoname on, pictures are named from the time they are saved, such as 39863.png, and uploading puts them on the wiki under those names, where nobody can tell what they show.

For a shared wiki, turn Autoname off and name each picture.</source>
        <translation>Mit Auto-Name werden Bilder nach dem Zeitpunkt des Speicherns benannt, etwa 39863.png, und beim Hochladen unter diesen Namen ins Wiki gestellt, wo niemand erkennen kann, was sie zeigen.

Schalten Sie für ein gemeinsam genutztes Wiki Auto-Name aus und benennen Sie jedes Bild.</translation>
    </message>
    <message>
        <source>What autocopy puts on the clipboard: the name, the file name with its extension, or the wiki markup that shows the file.</source>
        <translation>Was Auto-Kopie in die Zwischenablage legt: den Namen, den Dateinamen mit Erweiterung oder das Wiki-Markup, das die Datei anzeigt.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Wiki markup</source>
        <translation>Wiki-Markup</translation>
    </message>
    <message>
        <source>Save Stats Panel</source>
        <translation>Werte-Panel speichern</translation>
    </message>
    <message>
        <source>Wiki...</source>
        <translation>Wiki...</translation>
    </message>
    <message>
        <source>Uploads...</source>
        <translation>Hochladen...</translation>
    </message>
    <message>
        <source>Autoname</source>
        <translation>Auto-Name</translation>
    </message>
    <message>
        <source>Autocopy File Name</source>
        <translation>Auto-Kopie Dateiname</translation>
    </message>
    <message>
        <source>Create missing item pages</source>
        <translation>Fehlende Item-Seiten anlegen</translation>
    </message>
    <message>
        <source>When checked, an item whose icon or stats panel went up gets a draft of its page from Page.txt in the Templates folder when the wiki has none yet; you check the draft and create the page. An existing page is never changed.</source>
        <translation>Wenn aktiviert, erhält ein Item, dessen Symbol oder Werte-Panel hochgeladen wurde, einen Entwurf seiner Seite aus Page.txt im Ordner „Templates“, wenn das Wiki noch keine hat; Sie prüfen den Entwurf und legen die Seite an. Eine vorhandene Seite wird nie geändert.</translation>
    </message>
</context>
<context>
    <name>PageDraftWindow</name>
    <message>
        <source>%1 The draft is on the clipboard.</source>
        <translation>%1 Der Entwurf liegt in der Zwischenablage.</translation>
    </message>
    <message>
        <source>New Page: %1</source>
        <translation>Neue Seite: %1</translation>
    </message>
    <message>
        <source>The page&apos;s text, as it will be created. Edit it freely.</source>
        <translation>Der Text der Seite, so wie sie angelegt wird. Sie können ihn frei bearbeiten.</translation>
    </message>
    <message>
        <source>Page text</source>
        <translation>Seitentext</translation>
    </message>
    <message>
        <source>The page as the wiki shows it.</source>
        <translation>Die Seite, wie das Wiki sie anzeigt.</translation>
    </message>
    <message>
        <source>Preview of the page</source>
        <translation>Vorschau der Seite</translation>
    </message>
    <message>
        <source>What the draft links to that the wiki does not have.</source>
        <translation>Worauf der Entwurf verweist, das es im Wiki nicht gibt.</translation>
    </message>
    <message>
        <source>Missing pages, categories and templates</source>
        <translation>Fehlende Seiten, Kategorien und Vorlagen</translation>
    </message>
    <message>
        <source>Create Page</source>
        <translation>Seite anlegen</translation>
    </message>
    <message>
        <source>Creates the page on the wiki, only if it still does not exist.</source>
        <translation>Legt die Seite im Wiki an, nur wenn es sie noch nicht gibt.</translation>
    </message>
    <message>
        <source>Copy Text</source>
        <translation>Text kopieren</translation>
    </message>
    <message>
        <source>Puts the page&apos;s text on the clipboard.</source>
        <translation>Legt den Text der Seite in die Zwischenablage.</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Im Browser öffnen</translation>
    </message>
    <message>
        <source>Opens the page&apos;s address on the wiki.</source>
        <translation>Öffnet die Adresse der Seite im Wiki.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Leaves this page uncreated and goes on with the next item.</source>
        <translation>Legt diese Seite nicht an und macht mit dem nächsten Item weiter.</translation>
    </message>
    <message>
        <source>The wiki could not show the draft: %1</source>
        <translation>Das Wiki konnte den Entwurf nicht anzeigen: %1</translation>
    </message>
    <message>
        <source>Missing page: %1</source>
        <translation>Fehlende Seite: %1</translation>
    </message>
    <message>
        <source>Missing category: %1</source>
        <translation>Fehlende Kategorie: %1</translation>
    </message>
    <message>
        <source>Missing template: %1</source>
        <translation>Fehlende Vorlage: %1</translation>
    </message>
    <message>
        <source>Creating %1...</source>
        <translation>%1 wird angelegt...</translation>
    </message>
</context>
<context>
    <name>PageDrafts</name>
    <message>
        <source>%1 already has a page on the wiki: %2</source>
        <translation>%1 hat bereits eine Seite im Wiki: %2</translation>
    </message>
    <message>
        <source>No page on the wiki can be titled %1: %2</source>
        <translation>Keine Seite im Wiki kann %1 heißen: %2</translation>
    </message>
    <message>
        <source>Could not ask the wiki whether %1 has a page: %2</source>
        <translation>Das Wiki konnte nicht gefragt werden, ob %1 eine Seite hat: %2</translation>
    </message>
    <message>
        <source>No page was drafted for %1: the Templates folder has no Page.txt.</source>
        <translation>Für %1 wurde keine Seite entworfen: Im Ordner „Templates“ gibt es keine Page.txt.</translation>
    </message>
    <message>
        <source>Created the page %1 on the wiki: %2</source>
        <translation>Die Seite %1 wurde im Wiki angelegt: %2</translation>
    </message>
</context>
<context>
    <name>PanelPage</name>
    <message>
        <source>Crop a fixed height stat panel.</source>
        <translation>Schneidet ein Werte-Panel fester Höhe aus.</translation>
    </message>
    <message>
        <source>Enter height in pixels:</source>
        <translation>Höhe in Pixeln eingeben:</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Copy a screenshot, then click a height button.</source>
        <translation>Kopieren Sie einen Screenshot und klicken Sie dann auf eine Höhen-Schaltfläche.</translation>
    </message>
    <message>
        <source>Stats panel heights</source>
        <translation>Werte-Panel-Höhen</translation>
    </message>
    <message>
        <source>Extracted stats panel</source>
        <translation>Ausgeschnittenes Werte-Panel</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Screenshot</translation>
    </message>
</context>
<context>
    <name>PasswordStore</name>
    <message>
        <source>No password store is running: the bot password is kept for this run only.</source>
        <translation>Es läuft kein Passwortspeicher: Das Bot-Passwort wird nur für diese Sitzung aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>PictureArea</name>
    <message>
        <source>%1, %2 x %3 pixels</source>
        <translation>%1, %2 x %3 Pixel</translation>
    </message>
</context>
<context>
    <name>ProblemWords</name>
    <message>
        <source>a NUL character</source>
        <translation>ein NUL-Zeichen</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>a character in quotes</comment>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>not a regular file: %1</source>
        <translation>keine gewöhnliche Datei: %1</translation>
    </message>
    <message>
        <source>cannot create the file: %1</source>
        <translation>die Datei kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>cannot write the file: %1</source>
        <translation>die Datei kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>cannot move the old file out of the way: %1</source>
        <translation>die alte Datei kann nicht beiseitegelegt werden: %1</translation>
    </message>
    <message>
        <source>cannot replace the file: %1</source>
        <translation>die Datei kann nicht ersetzt werden: %1</translation>
    </message>
    <message>
        <source>not a readable PNG file</source>
        <translation>keine lesbare PNG-Datei</translation>
    </message>
    <message>
        <source>not a BMP, GIF, JPG or PNG file</source>
        <translation>keine BMP-, GIF-, JPG- oder PNG-Datei</translation>
    </message>
    <message>
        <source>there is no picture to save</source>
        <translation>es gibt kein Bild zum Speichern</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>das Bild ist leer</translation>
    </message>
    <message>
        <source>not enough memory for the picture</source>
        <translation>nicht genug Speicher für das Bild</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>das Bild ist zu groß</translation>
    </message>
    <message>
        <source>the picture is too large for a BMP file</source>
        <translation>das Bild ist zu groß für eine BMP-Datei</translation>
    </message>
    <message>
        <source>the file ends before the picture does</source>
        <translation>die Datei endet vor dem Bild</translation>
    </message>
    <message>
        <source>Failed to initialise the IJL library: %1</source>
        <translation>Die IJL-Bibliothek konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>Failed to save to JPG %1</source>
        <translation>Speichern als JPG fehlgeschlagen %1</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>der Name ist leer</translation>
    </message>
    <message>
        <source>the name may not be &quot;%1&quot;</source>
        <translation>der Name darf nicht „%1“ sein</translation>
    </message>
    <message>
        <source>the name may not contain %1</source>
        <translation>der Name darf %1 nicht enthalten</translation>
    </message>
    <message>
        <source>the prefix may not contain %1</source>
        <translation>das Präfix darf %1 nicht enthalten</translation>
    </message>
    <message>
        <source>the suffix may not contain %1</source>
        <translation>das Suffix darf %1 nicht enthalten</translation>
    </message>
    <message>
        <source>the file could not be read or written</source>
        <translation>die Datei konnte nicht gelesen oder geschrieben werden</translation>
    </message>
</context>
<context>
    <name>SaveMessages</name>
    <message>
        <source>%1, %2</source>
        <comment>a list going on</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two of a list</comment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <comment>files in a folder</comment>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>Replaced %1 (the old file is kept as %2)</source>
        <translation>%1 ersetzt (die alte Datei bleibt als %2 erhalten)</translation>
    </message>
    <message>
        <source>Replaced %1 (the old file is in the trash)</source>
        <translation>%1 ersetzt (die alte Datei liegt im Papierkorb)</translation>
    </message>
    <message>
        <source>Replaced %1 (the old files are in the trash)</source>
        <translation>%1 ersetzt (die alten Dateien liegen im Papierkorb)</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>SaveOptionsBox</name>
    <message>
        <source>Icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Check to save Icons in the default location (Images folder where this program is located).</source>
        <translation>Aktivieren, um Symbole am Standardort zu speichern (Ordner „Images“ im Programmverzeichnis).</translation>
    </message>
    <message>
        <source>Uncheck Default path and specify the folder location where Icons will be saved.</source>
        <translation>Deaktivieren Sie „Standardpfad“ und geben Sie den Ordner an, in dem Symbole gespeichert werden.</translation>
    </message>
    <message>
        <source>Stats Panel</source>
        <translation>Werte-Panel</translation>
    </message>
    <message>
        <source>Check to save Stats Panel in the default location (Images folder where this program is located).</source>
        <translation>Aktivieren, um Werte-Panels am Standardort zu speichern (Ordner „Images“ im Programmverzeichnis).</translation>
    </message>
    <message>
        <source>Uncheck Default path and specify the folder location where Stats Panels will be saved.</source>
        <translation>Deaktivieren Sie „Standardpfad“ und geben Sie den Ordner an, in dem Werte-Panels gespeichert werden.</translation>
    </message>
    <message>
        <source>Live Shot</source>
        <translation>Live-Bild</translation>
    </message>
    <message>
        <source>Check to save Live Shots in the default location (Images folder where this program is located).</source>
        <translation>Aktivieren, um Live-Bilder am Standardort zu speichern (Ordner „Images“ im Programmverzeichnis).</translation>
    </message>
    <message>
        <source>Uncheck Default path and specify the folder location where Live Shots will be saved.</source>
        <translation>Deaktivieren Sie „Standardpfad“ und geben Sie den Ordner an, in dem Live-Bilder gespeichert werden.</translation>
    </message>
    <message>
        <source>Quality of JPG compression, ranges from 1% (low) to 100% (high). Commonly set to 75% to 90%.</source>
        <translation>Qualität der JPG-Komprimierung, von 1 % (niedrig) bis 100 % (hoch). Üblich sind 75 % bis 90 %.</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>Präfix:</translation>
    </message>
    <message>
        <source>Suffix:</source>
        <translation>Suffix:</translation>
    </message>
    <message>
        <source>Custom Path:</source>
        <translation>Eigener Pfad:</translation>
    </message>
    <message>
        <source>Default Path</source>
        <translation>Standardpfad</translation>
    </message>
    <message>
        <source>JPG quality</source>
        <translation>JPG-Qualität</translation>
    </message>
</context>
<context>
    <name>SaveRoutine</name>
    <message>
        <source>File Name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>GIF support not yet added</source>
        <translation>GIF wird noch nicht unterstützt</translation>
    </message>
    <message>
        <source>Could not save %1:
%2</source>
        <translation>%1 konnte nicht gespeichert werden:
%2</translation>
    </message>
</context>
<context>
    <name>SpawnMapTool</name>
    <message>
        <source>Create Spawn Map</source>
        <translation>Spawn-Karte erstellen</translation>
    </message>
    <message>
        <source>Detailed instructions on Quillmark page.</source>
        <translation>Ausführliche Anleitung auf der Quillmark-Seite.</translation>
    </message>
    <message>
        <source>Spawn map</source>
        <translation>Spawn-Karte</translation>
    </message>
    <message>
        <source>Spawn Map</source>
        <translation>Spawn-Karte</translation>
    </message>
    <message>
        <source>The spawn map sampling offset in the settings (&quot;SpawnMap&quot; &quot;X&quot; = %1, &quot;Y&quot; = %2) must be from 0 to %3 for both X and Y. Please correct Quillmark.ini.</source>
        <translation>Der Abtastversatz der Spawn-Karte in den Einstellungen (&quot;SpawnMap&quot; &quot;X&quot; = %1, &quot;Y&quot; = %2) muss für X und Y zwischen 0 und %3 liegen. Bitte korrigieren Sie Quillmark.ini.</translation>
    </message>
    <message>
        <source>No bitmap detected in clipboard. While using the Viewer prest ALT + PRT SCR.</source>
        <translation>Keine Bitmap in der Zwischenablage gefunden. Drücken Sie im Viewer ALT + DRUCK.</translation>
    </message>
    <message>
        <source>Image Name</source>
        <translation>Bildname</translation>
    </message>
    <message>
        <source>Could not save the spawn map %1:
%2</source>
        <translation>Die Spawn-Karte %1 konnte nicht gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>Unable to create spawn map</source>
        <translation>Spawn-Karte kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>No comparison map was found, please look up Quillmark<byte value="xd"/>
on the Wiki for detailed instructions for creating this file<byte value="xd"/>
and using the Spawn Map creation function. Thank you.</source>
        <translation>Es wurde keine Vergleichskarte gefunden. Die Seite Quillmark<byte value="xd"/>
im Wiki enthält eine ausführliche Anleitung zum Erstellen dieser Datei<byte value="xd"/>
und zur Verwendung der Funktion „Spawn-Karte erstellen“. Vielen Dank.</translation>
    </message>
    <message>
        <source>The comparison map %1 could not be read as a bitmap:
%2</source>
        <translation>Die Vergleichskarte %1 konnte nicht als Bitmap gelesen werden:
%2</translation>
    </message>
</context>
<context>
    <name>TemplatesBox</name>
    <message>
        <source>Armor</source>
        <translation>Rüstung</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>Schild</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Kleidung</translation>
    </message>
    <message>
        <source>Melee</source>
        <translation>Nahkampf</translation>
    </message>
    <message>
        <source>Missle</source>
        <translation>Fernkampf</translation>
    </message>
    <message>
        <source>Caster</source>
        <translation>Zauberstab</translation>
    </message>
    <message>
        <source>Creature</source>
        <translation>Kreatur</translation>
    </message>
    <message>
        <source>NPC</source>
        <translation>NSC</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Magic Item</source>
        <translation>Magisch</translation>
    </message>
    <message>
        <source>Non Magic</source>
        <translation>Unmagisch</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Trophäe</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Nahrung</translation>
    </message>
    <message>
        <source>Cooking</source>
        <translation>Kochen</translation>
    </message>
    <message>
        <source>Jewelry</source>
        <translation>Schmuck</translation>
    </message>
    <message>
        <source>Quest</source>
        <translation>Quest</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Übersetzung</translation>
    </message>
    <message>
        <source>Dungeon</source>
        <translation>Dungeon</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Vorlagen</translation>
    </message>
    <message>
        <source>Alt template open</source>
        <translation>Alternative Vorlage öffnen</translation>
    </message>
    <message>
        <source> Right click for:   %1</source>
        <translation> Rechtsklick für:   %1</translation>
    </message>
</context>
<context>
    <name>ToolsPage</name>
    <message>
        <source>Update Templates</source>
        <translation>Vorlagen aktualisieren</translation>
    </message>
    <message>
        <source>Updates templates using text found on Quillmark/Page Templates.</source>
        <translation>Aktualisiert die Vorlagen mit dem Text der Seite Quillmark/Page Templates.</translation>
    </message>
    <message>
        <source>Cycle Categories</source>
        <translation>Kategorien reihum</translation>
    </message>
    <message>
        <source>Left click to place next category in clipboard, right click to start at beginning again.</source>
        <translation>Linksklick legt die nächste Kategorie in die Zwischenablage, Rechtsklick beginnt wieder von vorn.</translation>
    </message>
    <message>
        <source>%1 templates were successfully updated.</source>
        <translation>%1 Vorlagen wurden erfolgreich aktualisiert.</translation>
    </message>
    <message>
        <source>No template text was detected in the clipboard.<byte value="xd"/>
For details on how to use this feature, see:<byte value="xd"/>
%1</source>
        <translation>In der Zwischenablage wurde kein Vorlagentext gefunden.<byte value="xd"/>
Einzelheiten zur Verwendung dieser Funktion finden Sie unter:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Update Page Templates</source>
        <translation>Seitenvorlagen aktualisieren</translation>
    </message>
</context>
<context>
    <name>UploadCenter</name>
    <message>
        <source>Wiki Password</source>
        <translation>Wiki-Passwort</translation>
    </message>
    <message>
        <source>The bot password of %1 on %2:</source>
        <translation>Das Bot-Passwort für %1 auf %2:</translation>
    </message>
    <message>
        <source>Uploaded %1 to the wiki.</source>
        <translation>%1 wurde ins Wiki hochgeladen.</translation>
    </message>
    <message>
        <source>%1 is already on the wiki with the same picture.</source>
        <translation>%1 ist bereits mit demselben Bild im Wiki.</translation>
    </message>
    <message>
        <source>%1 waits for an answer in the upload list. %2</source>
        <translation>%1 wartet in der Liste „Hochladen“ auf eine Antwort. %2</translation>
    </message>
    <message>
        <source>%1 was not uploaded. %2</source>
        <translation>%1 wurde nicht hochgeladen. %2</translation>
    </message>
    <message>
        <source>%1 was skipped; it stays on this computer.</source>
        <translation>%1 wurde übersprungen; die Datei bleibt auf diesem Computer.</translation>
    </message>
    <message>
        <source>%1 was not sent: the wiki has the same picture as %2, which is used.</source>
        <translation>%1 wurde nicht gesendet: Das Wiki hat dasselbe Bild bereits als %2, das verwendet wird.</translation>
    </message>
    <message>
        <source>Uploading %1 of %2...</source>
        <translation>Lade %1 von %2 hoch...</translation>
    </message>
</context>
<context>
    <name>UploadsWindow</name>
    <message>
        <source>Uploads</source>
        <translation>Hochladen</translation>
    </message>
    <message>
        <source>Drop picture files here to upload them; double-click one to open its page.</source>
        <translation>Bilddateien hier ablegen, um sie hochzuladen; Doppelklick auf eine Datei öffnet ihre Seite.</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>uploading</source>
        <translation>wird hochgeladen</translation>
    </message>
    <message>
        <source>uploaded</source>
        <translation>hochgeladen</translation>
    </message>
    <message>
        <source>needs an answer</source>
        <translation>braucht Antwort</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>übersprungen</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Use Existing</source>
        <translation>Vorhandene nutzen</translation>
    </message>
    <message>
        <source>Upload Anyway</source>
        <translation>Trotzdem hochladen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>New Name...</source>
        <translation>Neuer Name...</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>%1 - %2: %3</source>
        <translation>%1 - %2: %3</translation>
    </message>
    <message>
        <source>%1 - page created
%2</source>
        <translation>%1 - Seite angelegt
%2</translation>
    </message>
</context>
<context>
    <name>WindowOptions</name>
    <message>
        <source>Display Tooltips</source>
        <translation>Tooltips anzeigen</translation>
    </message>
    <message>
        <source>Always On Top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Transparent Window</source>
        <translation>Transparentes Fenster</translation>
    </message>
    <message>
        <source>When checked, buttons etc will display a tool tip when mouse hovers over it.</source>
        <translation>Wenn aktiviert, zeigen Schaltflächen usw. einen Tooltip an, wenn sich der Mauszeiger darüber befindet.</translation>
    </message>
    <message>
        <source>When checked, the program window will always be on top of other windows open on the desktop.</source>
        <translation>Wenn aktiviert, bleibt das Programmfenster immer vor anderen geöffneten Fenstern auf dem Desktop.</translation>
    </message>
    <message>
        <source>When checked, the program window will become transparent.</source>
        <translation>Wenn aktiviert, wird das Programmfenster transparent.</translation>
    </message>
    <message>
        <source>Click to set alpha, the degree of window transparency.</source>
        <translation>Klicken, um den Alphawert festzulegen, also den Grad der Fenstertransparenz.</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Lupe</translation>
    </message>
    <message>
        <source>When checked, a fixed-size crop shows the pixels around the pointer magnified; the arrow keys move the rectangle and Enter cuts it.</source>
        <translation>Wenn aktiviert, zeigt ein Zuschnitt fester Größe die Pixel um den Mauszeiger vergrößert an; die Pfeiltasten verschieben das Rechteck, und die Eingabetaste schneidet es aus.</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>When checked, empty picture areas say what to do.</source>
        <translation>Wenn aktiviert, zeigen leere Bildbereiche an, was zu tun ist.</translation>
    </message>
    <message>
        <source>Set Window Alpha</source>
        <translation>Fenster-Alpha festlegen</translation>
    </message>
    <message>
        <source>Please enter a value between 1 and 255, 1 being transparent, 255 being opaque.</source>
        <translation>Geben Sie einen Wert zwischen 1 und 255 ein; 1 bedeutet transparent, 255 undurchsichtig.</translation>
    </message>
    <message>
        <source>Set window alpha</source>
        <translation>Fenster-Alpha festlegen</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>When checked, Quillmark speaks English whatever the language of the system, from its next start.</source>
        <translation>Wenn aktiviert, zeigt Quillmark ab dem nächsten Start alles auf Englisch, gleich welche Sprache das System hat.</translation>
    </message>
</context>
<context>
    <name>frmVandrel</name>
    <message>
        <source>1 Panel</source>
        <translation>1 Panel</translation>
    </message>
    <message>
        <source>2 Live</source>
        <translation>2 Live</translation>
    </message>
    <message>
        <source>3 Text</source>
        <translation>3 Text</translation>
    </message>
    <message>
        <source>4 Merge</source>
        <translation>4 Mischen</translation>
    </message>
    <message>
        <source>5 Tools</source>
        <translation>5 Extras</translation>
    </message>
    <message>
        <source>6 Options</source>
        <translation>6 Optionen</translation>
    </message>
    <message>
        <source>Tab leads into the page; Escape and the keys 1 to 6 choose a tab.</source>
        <translation>Die Tabulatortaste führt in die Seite; Esc und die Tasten 1 bis 6 wählen eine Registerkarte.</translation>
    </message>
</context>
</TS>
