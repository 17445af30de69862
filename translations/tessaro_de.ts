<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Tessaro</name>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="16"/>
        <source>No serial device found. Plug in the programmer board and open this window again.</source>
        <translation>Kein serielles Gerät gefunden. Schließen Sie das Programmiergerät an und öffnen Sie dieses Fenster erneut.</translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="22"/>
        <source>Assign Ports</source>
        <translation>Ports zuordnen</translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="24"/>
        <source>&amp;Devices and network servers:</source>
        <translation>&amp;Geräte und Netzwerkserver:</translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="28"/>
        <source>Devices and network servers</source>
        <translation>Geräte und Netzwerkserver</translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="33"/>
        <source>About the chosen device</source>
        <translation>Zum gewählten Gerät</translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="37"/>
        <source>&amp;Use it as:</source>
        <translation>&amp;Verwenden als:</translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="41"/>
        <source>COM number</source>
        <translation>COM-Nummer</translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="43"/>
        <source>&amp;Assign</source>
        <translation>&amp;Zuordnen</translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="45"/>
        <source>Assign</source>
        <translation>Zuordnen</translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="47"/>
        <location filename="../src/app/assign_ports_fm.cpp" line="49"/>
        <location filename="../src/platform/help_viewer_qt.cpp" line="141"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="76"/>
        <source>COM%1  (now %2)</source>
        <translation>COM%1  (jetzt %2)</translation>
    </message>
    <message>
        <location filename="../src/app/chip_editor_fm.cpp" line="15"/>
        <source>Chip list has changed.&#xd;&#xd;Save changes?</source>
        <translation>Die Chipliste wurde geändert.&#xd;&#xd;Änderungen speichern?</translation>
    </message>
    <message>
        <location filename="../src/app/chip_editor_fm.cpp" line="29"/>
        <source>Chip Editor</source>
        <translation>Chipliste bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/app/chip_editor_fm.cpp" line="37"/>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location filename="../src/app/chip_editor_fm.cpp" line="39"/>
        <location filename="../src/app/main_window_menus.cpp" line="92"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../src/app/chip_editor_fm.cpp" line="51"/>
        <source>Chip list</source>
        <translation>Chipliste</translation>
    </message>
    <message>
        <location filename="../src/app/chip_editor_fm.cpp" line="53"/>
        <source>Double-click, Space or Enter switches a chip on or off</source>
        <translation>Doppelklick, Leertaste oder Eingabetaste schaltet einen Chip ein oder aus</translation>
    </message>
    <message>
        <location filename="../src/app/chip_editor_fm.cpp" line="54"/>
        <source>Chip</source>
        <translation>Chip</translation>
    </message>
    <message>
        <location filename="../src/app/chip_editor_fm.cpp" line="54"/>
        <source>Included</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <location filename="../src/app/commands_fm.cpp" line="27"/>
        <source>Tessaro %1&#xd;&#xd;Drives the Tessaro programmer boards for PIC microcontrollers and 24Cxx serial EEPROMs.&#xd;&#xd;Built with Qt %2.</source>
        <translation>Tessaro %1&#xd;&#xd;Steuert die Tessaro-Programmiergeräte für PIC-Mikrocontroller und serielle 24Cxx-EEPROMs.&#xd;&#xd;Erstellt mit Qt %2.</translation>
    </message>
    <message>
        <location filename="../src/app/commands_fm.cpp" line="60"/>
        <source>ICSP</source>
        <translation>ICSP</translation>
    </message>
    <message>
        <location filename="../src/app/commands_fm.cpp" line="80"/>
        <source>Serial &amp;On</source>
        <translation>Serieller Port &amp;ein</translation>
    </message>
    <message>
        <location filename="../src/app/fuse_edit_fm.cpp" line="52"/>
        <source>FUSE Edit</source>
        <translation>Fuses bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/app/fuse_edit_fm.cpp" line="81"/>
        <location filename="../src/protocol/blank_erase.cpp" line="158"/>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <location filename="../src/app/fuse_edit_fm.cpp" line="96"/>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location filename="../src/app/fuse_edit_fm.cpp" line="100"/>
        <location filename="../src/app/osccal_fm.cpp" line="66"/>
        <location filename="../src/app/small_dialogs_fm.cpp" line="78"/>
        <location filename="../src/app/small_dialogs_fm.cpp" line="113"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/app/fuse_edit_fm.cpp" line="104"/>
        <location filename="../src/app/main_window_layout.cpp" line="228"/>
        <location filename="../src/app/osccal_fm.cpp" line="70"/>
        <location filename="../src/app/small_dialogs_fm.cpp" line="79"/>
        <location filename="../src/app/small_dialogs_fm.cpp" line="114"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/app/fuses_fm.cpp" line="15"/>
        <source>No OSCAL value in memory</source>
        <translation>Kein OSCAL-Wert im Speicher</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="35"/>
        <source>usage: tessaro [FILE.hex [CHIP]]
  FILE.hex   an Intel HEX file to open (its name ends in .hex)
  CHIP       the chip to select, when the chip list is the last session&apos;s
  --help     this text
  --version  the program&apos;s version
</source>
        <translation>Aufruf: tessaro [DATEI.hex [CHIP]]
  DATEI.hex  eine zu öffnende Intel-HEX-Datei (ihr Name endet auf .hex)
  CHIP       der zu wählende Chip, wenn die Chipliste die der letzten
             Sitzung ist
  --help     dieser Text
  --version  die Version des Programms
</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="41"/>
        <source>  --record FILE  write the board session down in FILE, every byte and line change (Help &gt; Record Session...)
</source>
        <translation>  --record DATEI  die Sitzung mit der Platine in DATEI aufzeichnen, jedes Byte und jeden Leitungswechsel (Hilfe &gt; Sitzung aufzeichnen...)
</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="25"/>
        <source>Chip Selector</source>
        <translation>Chipauswahl</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="28"/>
        <source>Serial counter disabled</source>
        <translation>Seriennummernzähler aus</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="135"/>
        <source>Code listing</source>
        <translation>Speicherliste</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="139"/>
        <source>Code listing scroll bar</source>
        <translation>Bildlaufleiste der Speicherliste</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="153"/>
        <source>Serial port</source>
        <translation>Serieller Port</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="155"/>
        <source>ICSP mode</source>
        <translation>ICSP-Modus</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="157"/>
        <source>Automatic mode</source>
        <translation>Automatikmodus</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="161"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="165"/>
        <source>Checksum</source>
        <translation>Prüfsumme</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="169"/>
        <location filename="../src/app/small_dialogs_fm.cpp" line="135"/>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="179"/>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="184"/>
        <location filename="../src/app/main_window_menus.cpp" line="32"/>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="184"/>
        <source>Load a file</source>
        <translation>Eine Datei laden</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="184"/>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="186"/>
        <location filename="../src/app/main_window_menus.cpp" line="33"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="186"/>
        <source>Save a file</source>
        <translation>Eine Datei speichern</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="186"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="187"/>
        <source>Pro&amp;gram</source>
        <translation>Sch&amp;reiben</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="187"/>
        <source>Program</source>
        <translation>Programmieren</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="190"/>
        <location filename="../src/app/main_window_menus.cpp" line="59"/>
        <location filename="../src/app/osccal_fm.cpp" line="74"/>
        <source>&amp;Read</source>
        <translation>L&amp;esen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="190"/>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="191"/>
        <source>V&amp;erify</source>
        <translation>&amp;Verifizieren</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="191"/>
        <source>Verify</source>
        <translation>Verifizieren</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="193"/>
        <location filename="../src/app/main_window_menus.cpp" line="61"/>
        <source>&amp;Blank</source>
        <translation>Leer&amp;test</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="193"/>
        <source>Blank test chip</source>
        <translation>Leertest des Chips</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="194"/>
        <source>Blank</source>
        <translation>Leertest</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="195"/>
        <source>C&amp;ALIB</source>
        <translation>&amp;KALIB</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="195"/>
        <source>Set/Read OSCAL</source>
        <translation>OSCAL setzen/lesen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="196"/>
        <source>Calibration</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="197"/>
        <location filename="../src/app/main_window_layout.cpp" line="197"/>
        <source>Fuses</source>
        <translation>Fuses</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="199"/>
        <location filename="../src/app/main_window_menus.cpp" line="63"/>
        <location filename="../src/app/view_fm.cpp" line="111"/>
        <source>Ru&amp;n</source>
        <translation>Aus&amp;führen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="199"/>
        <source>Run user code</source>
        <translation>Anwendercode ausführen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="199"/>
        <source>Run</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="206"/>
        <source>Socket picture</source>
        <translation>Sockelbild</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="212"/>
        <source>Board variant</source>
        <translation>Platinenvariante</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="224"/>
        <source>Chip type</source>
        <translation>Chiptyp</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="228"/>
        <location filename="../src/app/main_window_menus.cpp" line="64"/>
        <source>&amp;Cancel</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="13"/>
        <source>Recent &amp;Files</source>
        <translation>&amp;Zuletzt verwendet</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="14"/>
        <source>&amp;About Tessaro</source>
        <translation>Ü&amp;ber Tessaro</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="31"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="34"/>
        <source>&amp;Merge</source>
        <translation>Zusammen&amp;führen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="40"/>
        <source>P&amp;rogrammer Style</source>
        <translation>Geräte&amp;typ</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="45"/>
        <source>&amp;Port</source>
        <translation>&amp;Port</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="46"/>
        <source>&amp;Assign Ports...</source>
        <translation>Ports zu&amp;ordnen...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="49"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="57"/>
        <source>&amp;Programmer</source>
        <translation>&amp;Programmiergerät</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="58"/>
        <location filename="../src/app/small_dialogs_fm.cpp" line="129"/>
        <source>&amp;Program</source>
        <translation>Sch&amp;reiben</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="60"/>
        <location filename="../src/app/small_dialogs_fm.cpp" line="131"/>
        <source>&amp;Verify</source>
        <translation>&amp;Verifizieren</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="62"/>
        <source>&amp;OSCAL</source>
        <translation>&amp;OSCAL</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="67"/>
        <source>&amp;User</source>
        <translation>Benutzer&amp;modus</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="71"/>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="72"/>
        <source>&amp;Edit Chip List</source>
        <translation>&amp;Chipliste bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="73"/>
        <source>Run &amp;Warning</source>
        <translation>&amp;Warnung beim Ausführen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="74"/>
        <source>Read Chip &amp;Info</source>
        <translation>Chip-&amp;Info lesen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="75"/>
        <source>Rese&amp;t Programmer</source>
        <translation>Gerät &amp;zurücksetzen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="76"/>
        <source>Ignore &amp;Blank Check</source>
        <translation>&amp;Leertest übergehen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="77"/>
        <source>Fl&amp;y Window</source>
        <translation>&amp;Kleines Fenster</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="79"/>
        <source>&amp;Advise Newer File Load</source>
        <translation>Geänderte Datei &amp;neu laden</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="81"/>
        <source>&amp;Upgrade</source>
        <translation>Firmware-&amp;Update</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="82"/>
        <source>I&amp;CSP Mode</source>
        <translation>ICSP-&amp;Modus</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="83"/>
        <source>Auto &amp;Program</source>
        <translation>&amp;Automatisch programmieren</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="87"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="88"/>
        <source>&amp;Disassembly</source>
        <translation>&amp;Disassemblierung</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="89"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="93"/>
        <location filename="../src/platform/help_viewer_qt.cpp" line="138"/>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="95"/>
        <source>&amp;Record Session...</source>
        <translation>&amp;Sitzung aufzeichnen...</translation>
    </message>
    <message>
        <location filename="../src/app/messages.h" line="7"/>
        <source>Double click to change port</source>
        <translation>Doppelklick wechselt den Port</translation>
    </message>
    <message>
        <location filename="../src/app/messages.h" line="9"/>
        <source>Serial &amp;Off</source>
        <translation>Serieller Port &amp;aus</translation>
    </message>
    <message>
        <location filename="../src/app/messages.h" line="12"/>
        <source>Program chip</source>
        <translation>Chip programmieren</translation>
    </message>
    <message>
        <location filename="../src/app/messages.h" line="13"/>
        <source>Verify chip</source>
        <translation>Chip verifizieren</translation>
    </message>
    <message>
        <location filename="../src/app/messages.h" line="14"/>
        <source>Read chip</source>
        <translation>Chip lesen</translation>
    </message>
    <message>
        <location filename="../src/app/osccal_fm.cpp" line="18"/>
        <source>You are about to insert the calibration data into the HEX file.&#xd;&#xd;Continue?</source>
        <translation>Die Kalibrierdaten werden gleich in die HEX-Daten übernommen.&#xd;&#xd;Fortfahren?</translation>
    </message>
    <message>
        <location filename="../src/app/osccal_fm.cpp" line="44"/>
        <source>OSCAL</source>
        <translation>OSCAL</translation>
    </message>
    <message>
        <location filename="../src/app/osccal_fm.cpp" line="49"/>
        <source>OSCAL Value</source>
        <translation>OSCAL-Wert</translation>
    </message>
    <message>
        <location filename="../src/app/osccal_fm.cpp" line="52"/>
        <source>Calibration instruction</source>
        <translation>Kalibrierbefehl</translation>
    </message>
    <message>
        <location filename="../src/app/osccal_fm.cpp" line="54"/>
        <source>Two hex digits</source>
        <translation>Zwei Hexziffern</translation>
    </message>
    <message>
        <location filename="../src/app/osccal_fm.cpp" line="56"/>
        <source>Bandgap</source>
        <translation>Bandgap</translation>
    </message>
    <message>
        <location filename="../src/app/osccal_fm.cpp" line="58"/>
        <source>Bits 13 and 12, 1 or 0 each</source>
        <translation>Bits 13 und 12, jeweils 1 oder 0</translation>
    </message>
    <message>
        <location filename="../src/app/record_session_fm.cpp" line="21"/>
        <source>Session recordings (*.jsonl)</source>
        <translation>Sitzungsaufzeichnungen (*.jsonl)</translation>
    </message>
    <message>
        <location filename="../src/app/record_session_fm.cpp" line="67"/>
        <source>Cannot write the recording %1: %2</source>
        <translation>Die Aufzeichnung %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location filename="../src/app/record_session_fm.cpp" line="99"/>
        <source>Record Session</source>
        <translation>Sitzung aufzeichnen</translation>
    </message>
    <message>
        <location filename="../src/app/small_dialogs_fm.cpp" line="17"/>
        <source>Invalid port value</source>
        <translation>Ungültige Portnummer</translation>
    </message>
    <message>
        <location filename="../src/app/small_dialogs_fm.cpp" line="68"/>
        <source>Serial Port Change</source>
        <translation>Seriellen Port wechseln</translation>
    </message>
    <message>
        <location filename="../src/app/small_dialogs_fm.cpp" line="70"/>
        <source>Enter Port Value</source>
        <translation>Portnummer</translation>
    </message>
    <message>
        <location filename="../src/app/small_dialogs_fm.cpp" line="75"/>
        <source>COM port number, 1 to 9</source>
        <translation>COM-Portnummer, 1 bis 9</translation>
    </message>
    <message>
        <location filename="../src/app/small_dialogs_fm.cpp" line="104"/>
        <source>Erase</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../src/app/small_dialogs_fm.cpp" line="106"/>
        <source>Erase Check</source>
        <translation>Leertest</translation>
    </message>
    <message>
        <location filename="../src/app/small_dialogs_fm.cpp" line="110"/>
        <source>Erase Chip</source>
        <translation>Chip löschen</translation>
    </message>
    <message>
        <location filename="../src/app/view_fm.cpp" line="139"/>
        <source>Checksum as the chip maker&apos;s programming tools show it</source>
        <translation>Prüfsumme, wie sie die Programmierwerkzeuge des Chipherstellers zeigen</translation>
    </message>
    <message>
        <location filename="../src/app/view_fm.cpp" line="176"/>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <location filename="../src/chipdb/chip_list.h" line="17"/>
        <source>Chip configuration file is missing or contains no data</source>
        <translation>Die Chipdatei fehlt oder enthält keine Daten</translation>
    </message>
    <message>
        <location filename="../src/chipdb/chip_list.h" line="19"/>
        <source>Chip configuration file contains syntax errors.&#xd;&#xd;%1</source>
        <translation>Die Chipdatei enthält Syntaxfehler.&#xd;&#xd;%1</translation>
    </message>
    <message>
        <location filename="../src/chipdb/chip_list.h" line="21"/>
        <source>Chip configuration file contains no chip information</source>
        <translation>Die Chipdatei enthält keine Chipangaben</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_calibration.cpp" line="17"/>
        <source>the %1 has no calibration word</source>
        <translation>der %1 hat kein Kalibrierwort</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_calibration.cpp" line="47"/>
        <source>calibration word: %1 (blank)</source>
        <translation>Kalibrierwort: %1 (leer)</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_calibration.cpp" line="48"/>
        <source>calibration word: %1</source>
        <translation>Kalibrierwort: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_calibration.cpp" line="52"/>
        <source>bandgap: %1</source>
        <translation>Bandgap: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_commands.cpp" line="18"/>
        <source>board: %1</source>
        <translation>Gerät: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_commands.cpp" line="145"/>
        <source>the %1 cannot be erased</source>
        <translation>der %1 lässt sich nicht löschen</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_commands.cpp" line="242"/>
        <source>checksum when blank: %1</source>
        <translation>Prüfsumme im leeren Zustand: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_commands.cpp" line="244"/>
        <source>model answer: %1</source>
        <translation>Modellantwort: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_commands.cpp" line="247"/>
        <source>chip ID word: %1 (device ID %2, revision %3)</source>
        <translation>Chip-ID-Wort: %1 (Device-ID %2, Revision %3)</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_commands.cpp" line="250"/>
        <source>chip: %1 matches</source>
        <translation>Chip: %1 stimmt überein</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_commands.cpp" line="251"/>
        <source>chip: %1 does not match (its ID is %2)</source>
        <translation>Chip: %1 stimmt nicht überein (seine ID ist %2)</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_commands.cpp" line="257"/>
        <source>chip in socket: none of the chip file has device ID %1</source>
        <translation>Chip im Sockel: kein Chip der Chipdatei hat die Device-ID %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_commands.cpp" line="259"/>
        <source>chip in socket: %1</source>
        <translation>Chip im Sockel: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_commands.cpp" line="317"/>
        <source>interrupted: ending</source>
        <translation>unterbrochen: beende</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_commands.cpp" line="327"/>
        <source>chip %1: %2; %3 passed, %4 failed</source>
        <translation>Chip %1: %2; %3 bestanden, %4 fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_disasm.cpp" line="47"/>
        <source>the %1 holds no code</source>
        <translation>der %1 enthält keinen Code</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_messages.h" line="13"/>
        <source>tessaro-cli: %1</source>
        <translation>tessaro-cli: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_messages.h" line="14"/>
        <source>cannot write the log %1</source>
        <translation>das Protokoll %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_messages.h" line="16"/>
        <source>refused</source>
        <translation>verweigert</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_messages.h" line="18"/>
        <source>--count takes a number of chips, not %1</source>
        <translation>--count erwartet eine Anzahl Chips, nicht %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_messages.h" line="19"/>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_messages.h" line="20"/>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_messages.h" line="21"/>
        <source>interrupted: cancelling</source>
        <translation>unterbrochen: breche ab</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_messages.h" line="24"/>
        <source>checksum: %1</source>
        <translation>Prüfsumme: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="44"/>
        <source>unknown style %1 (Alder, Birch_A, Birch_B, Cedar or Elm)</source>
        <translation>unbekannter Typ %1 (Alder, Birch_A, Birch_B, Cedar oder Elm)</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="53"/>
        <source>--id takes 1 to 8 hex digits, not %1</source>
        <translation>--id erwartet 1 bis 8 Hexziffern, nicht %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="57"/>
        <source>--fuse takes LABEL=OPTION, not %1</source>
        <translation>--fuse erwartet NAME=OPTION, nicht %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="67"/>
        <source>--calibration takes a byte or a calibration word, not %1</source>
        <translation>--calibration erwartet ein Byte oder ein Kalibrierwort, nicht %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="75"/>
        <source>--export takes spy, not %1</source>
        <translation>--export nimmt spy, nicht %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="109"/>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="112"/>
        <source>unknown command %1</source>
        <translation>unbekannter Befehl %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="115"/>
        <source>%1 takes one HEX file</source>
        <translation>%1 erwartet eine HEX-Datei</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="117"/>
        <source>%1 takes no file</source>
        <translation>%1 erwartet keine Datei</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="119"/>
        <source>--id and --fuse change the image of verify, program and auto only</source>
        <translation>--id und --fuse ändern nur die Daten von verify, program und auto</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="121"/>
        <source>--count belongs to auto</source>
        <translation>--count gehört zu auto</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="124"/>
        <source>serial numbers belong to program and auto</source>
        <translation>Seriennummern gehören zu program und auto</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="126"/>
        <source>--watch belongs to program on one board</source>
        <translation>--watch gehört zu program an einem Gerät</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="128"/>
        <source>--calibration belongs to program and auto</source>
        <translation>--calibration gehört zu program und auto</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="130"/>
        <source>--disasm belongs to read</source>
        <translation>--disasm gehört zu read</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="134"/>
        <source>%1 reads a file, not a board</source>
        <translation>%1 liest eine Datei, kein Gerät</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="136"/>
        <source>--port auto finds one board: name each of several</source>
        <translation>--port auto findet ein Gerät: mehrere einzeln angeben</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="138"/>
        <source>%1 takes one --port</source>
        <translation>%1 erwartet ein --port</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="190"/>
        <source>usage: tessaro-cli [options] COMMAND [FILE]

Commands:
  info            board model, and with --chip the chip&apos;s ID word and revision
  chips           the chips the chip file offers for the style, one a line
  ports           the serial devices of this machine, and the COMn that
                  ports/ names with where each leads
  blank           blank-check the chip
  erase           erase the chip (asks first: add --yes)
  read FILE       read the chip into a HEX file
  verify FILE     compare the chip with a HEX file
  program FILE    program a HEX file into the chip, checked as it is written
  auto FILE       program chip after chip as they are inserted
  calibration     the chip&apos;s factory calibration word (and bandgap bits)
  disasm FILE     the program memory of a HEX file as instructions, and its
                  configuration words by their options (needs no board)
  checksum FILE   the checksum the chip maker&apos;s tools show for a HEX file
                  (with --chip; needs no board)
  upgrade FILE    the board&apos;s own firmware from its upgrade image FILE into
                  a 16F628 in the socket (asks first: add --yes)

Options:
  --port PORT     COM1..COM9 (through the program folder&apos;s ports/), a device
                  such as /dev/ttyUSB0, rfc2217://HOST:PORT (default COM1),
                  or auto: the one USB serial device, or of several the one
                  whose board greets after a reset; repeat it for several
                  boards (auto, program, verify, blank, erase): one runs on
                  each, all at once
  --style NAME    Alder, Birch_A, Birch_B, Cedar or Elm
                  (default: the style the board announces)
  --chip NAME     the chip type, as `chips` lists it
  --cid FILE      the chip file (default: chipinfo.cid in the program folder)
  --icsp          program in circuit (Birch_A, Birch_B and Cedar boards)
  --ignore-blank-check  leave a chip that is not blank alone, without asking
  --id HEX        the ID digits to program or verify
  --fuse LABEL=OPTION   a fuse option as the fuse editor names it (repeatable)
  --yes           answer the program&apos;s questions Yes (without it: No)
  --quiet         only errors, questions and results on standard error
  --json          one JSON object per result on standard output
  --log FILE      append one JSON line per chip to a production log
  --calibration VALUE   program, auto: the calibration for a chip whose own
                  reads blank (a byte or the word, as the log shows it);
                  without it such a chip is left alone
  --count N       auto: stop after N chips (on each board)
  --help          this text
  --version       the program&apos;s version
  --disasm        read: also print what was read as instructions
  --watch         program: then wait for FILE to be rewritten (saved in place
                  or renamed onto) and program it again; Ctrl-C ends
  --trace         every state of the programmer and every byte on the line,
                  with the seconds since the start, on standard error

Serial numbers (program, auto):
  --serial START[:STEP]   a counter: decimal, or hex after 0x (STEP default 1)
  --serial-list FILE      the numbers to give out, one a line; or an SQTP
                          file (.num): each part&apos;s record where it says
  --serial-at rom:ADDR|eeprom:ADDR   where they go (ROM of 12/14-bit cores:
                          one RETLW per byte)
  --serial-bytes N        bytes of each number, 1 to 8 (default 4)
  --serial-order big|little   byte order (default big: most significant first)
  --serial-state FILE     where the counter stands (default: the log&apos;s name
                          with .serial added); each number is given out once
  --serial-store URI      the line&apos;s PostgreSQL store instead of the state file
                          (postgresql://HOST/DB, or TESSARO_SERIAL_STORE): every
                          station&apos;s numbers and results in one database
  --serial-series NAME    the store&apos;s series (default: default), started by
                          --serial or --serial-list on its first use
  --station NAME          this station&apos;s name in the store (default: host name)
  --serial-reuse-failed   a failed chip&apos;s number goes to the next chip
                          (default: it is voided)

The line&apos;s store (tessaro-cli serials SUBCOMMAND, with --serial-store):
  init            make or upgrade the store&apos;s tables
  status          per series: next, given, done, failed, voided, interrupted, open
  report          per station and board: chips, passed, failed, yield (--csv)
  find SERIAL     the row of that number
  close-stale --station NAME   close what a dead station left open
  export-sqtp FILE   the series&apos; unused numbers as an SQTP file (--chip,
                  --serial-at, --serial-bytes, --serial-order, --count)

Exit codes:
  0  success
  1  the chip failed or was left alone: verify difference, not blank, a write
     error reported by the board, or a question answered No
  2  the board does not answer, answers wrongly, or the port cannot be used;
     or the serial store cannot be reached or refuses the station&apos;s role
  3  bad input: option, chip name, HEX file, chip file, serial store address
  4  interrupted (Ctrl-C)
</source>
        <translation>Aufruf: tessaro-cli [Optionen] BEFEHL [DATEI]

Befehle:
  info            Gerätemodell, mit --chip auch ID-Wort und Revision des Chips
  chips           die Chips, die die Chipdatei für den Typ anbietet, einer je
                  Zeile
  ports           die seriellen Geräte dieses Rechners und die COMn, die
                  ports/ benennt, mit ihrem jeweiligen Ziel
  blank           Leertest des Chips
  erase           den Chip löschen (fragt vorher: --yes angeben)
  read DATEI      den Chip in eine HEX-Datei lesen
  verify DATEI    den Chip mit einer HEX-Datei vergleichen
  program DATEI   eine HEX-Datei in den Chip programmieren, beim Schreiben
                  geprüft
  auto DATEI      Chip um Chip programmieren, so wie sie eingesetzt werden
  calibration     das Werks-Kalibrierwort des Chips (und die Bandgap-Bits)
  disasm DATEI    der Programmspeicher einer HEX-Datei als Befehle und ihre
                  Konfigurationswörter nach ihren Optionen (ohne Gerät)
  checksum DATEI  die Prüfsumme einer HEX-Datei, wie sie die Werkzeuge des
                  Chipherstellers zeigen (mit --chip; ohne Gerät)
  upgrade DATEI   die eigene Firmware des Geräts aus ihrem Upgrade-Abbild
                  DATEI in einen 16F628 im Sockel (fragt vorher: --yes angeben)

Optionen:
  --port PORT     COM1..COM9 (über ports/ im Programmordner), ein Gerät
                  wie /dev/ttyUSB0, rfc2217://HOST:PORT (Standard COM1),
                  oder auto: das einzige serielle USB-Gerät, bei mehreren
                  dasjenige, an dem sich nach einem Reset ein
                  Programmiergerät meldet; für mehrere Programmiergeräte
                  wiederholen (auto, program, verify, blank, erase): der
                  Befehl läuft auf allen zugleich
  --style NAME    Alder, Birch_A, Birch_B, Cedar oder Elm
                  (Standard: der Typ, den das Gerät meldet)
  --chip NAME     der Chiptyp, wie `chips` ihn nennt
  --cid DATEI     die Chipdatei (Standard: chipinfo.cid im Programmordner)
  --icsp          in der Schaltung programmieren (Birch_A, Birch_B und Cedar)
  --ignore-blank-check  einen nicht leeren Chip ohne Frage unverändert lassen
  --id HEX        die zu programmierenden oder zu prüfenden ID-Ziffern
  --fuse NAME=OPTION    eine Fuse-Option, wie der Fuse-Editor sie nennt
                  (mehrfach möglich)
  --yes           die Fragen des Programms mit Ja beantworten (ohne: Nein)
  --quiet         nur Fehler, Fragen und Ergebnisse auf der
                  Standardfehlerausgabe
  --json          ein JSON-Objekt je Ergebnis auf der Standardausgabe
  --log DATEI     je Chip eine JSON-Zeile an ein Fertigungsprotokoll anhängen
  --calibration WERT    program, auto: die Kalibrierung für einen Chip, dessen
                  eigene leer ist (ein Byte oder das Wort, wie im Protokoll);
                  ohne sie bleibt ein solcher Chip unverändert
  --count N       auto: nach N Chips aufhören (an jedem Gerät)
  --help          dieser Text
  --version       die Version des Programms
  --disasm        read: das Gelesene auch als Befehle ausgeben
  --watch         program: danach warten, bis DATEI neu geschrieben wird (an
                  Ort und Stelle oder durch Umbenennen), und erneut
                  programmieren; Strg-C beendet
  --trace         jeder Zustand des Programmiergeräts und jedes Byte auf der
                  Leitung, mit den Sekunden seit dem Start, auf der
                  Standardfehlerausgabe

Seriennummern (program, auto):
  --serial START[:SCHRITT]  ein Zähler: dezimal, oder hex nach 0x
                          (SCHRITT Standard 1)
  --serial-list DATEI     die auszugebenden Nummern, eine je Zeile; oder eine
                          SQTP-Datei (.num): jeder Eintrag dorthin, wo er steht
  --serial-at rom:ADR|eeprom:ADR   wohin sie kommen (ROM bei 12/14-Bit-Kernen:
                          ein RETLW je Byte)
  --serial-bytes N        Bytes je Nummer, 1 bis 8 (Standard 4)
  --serial-order big|little   Bytefolge (Standard big: höchstwertiges zuerst)
  --serial-state DATEI    wo der Zähler steht (Standard: der Name des
                          Protokolls mit angehängtem .serial); jede Nummer
                          wird nur einmal vergeben
  --serial-store URI      der PostgreSQL-Speicher der Linie statt der Zustandsdatei
                          (postgresql://HOST/DB, oder TESSARO_SERIAL_STORE): die
                          Nummern und Ergebnisse aller Stationen in einer Datenbank
  --serial-series NAME    die Reihe im Speicher (Standard: default), begonnen mit
                          --serial oder --serial-list bei ihrer ersten Nutzung
  --station NAME          der Name dieser Station im Speicher (Standard: Rechnername)
  --serial-reuse-failed   die Nummer eines fehlgeschlagenen Chips geht an den
                          nächsten Chip (Standard: sie wird verworfen)

Der Speicher der Linie (tessaro-cli serials UNTERBEFEHL, mit --serial-store):
  init            die Tabellen des Speichers anlegen oder aktualisieren
  status          je Reihe: next, given, done, failed, voided, interrupted, open
  report          je Station und Board: chips, passed, failed, yield (--csv)
  find SERIENNUMMER   die Zeile dieser Nummer
  close-stale --station NAME   schließen, was eine tote Station offen ließ
  export-sqtp DATEI   die unbenutzten Nummern der Reihe als SQTP-Datei (--chip,
                  --serial-at, --serial-bytes, --serial-order, --count)

Exitcodes:
  0  Erfolg
  1  der Chip ist fehlgeschlagen oder blieb unverändert: Abweichung beim
     Verifizieren, nicht leer, ein vom Gerät gemeldeter Schreibfehler oder
     eine mit Nein beantwortete Frage
  2  das Gerät antwortet nicht oder falsch, oder der Port ist nicht nutzbar;
     oder der Seriennummernspeicher ist nicht erreichbar oder lehnt die Rolle der Station ab
  3  falsche Eingabe: Option, Chipname, HEX-Datei, Chipdatei, Adresse des Seriennummernspeichers
  4  unterbrochen (Strg-C)
</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_ports.cpp" line="61"/>
        <source>no serial devices</source>
        <translation>keine seriellen Geräte</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_ports.cpp" line="69"/>
        <source>  (not there)</source>
        <translation>  (nicht vorhanden)</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_ports.cpp" line="84"/>
        <source>--port auto: no USB serial device and no network server in ports/</source>
        <translation>--port auto: kein serielles USB-Gerät und kein Netzwerkserver in ports/</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_ports.cpp" line="97"/>
        <source>--port auto: no board greets on %1; choose one with --port</source>
        <translation>--port auto: kein Gerät meldet sich an %1; wählen Sie einen Port mit --port</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_ports.cpp" line="98"/>
        <source>--port auto: boards greet on more than one of %1; choose one with --port</source>
        <translation>--port auto: Geräte melden sich an mehr als einem von %1; wählen Sie einen mit --port</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_ports.cpp" line="106"/>
        <source>--port auto: %1</source>
        <translation>--port auto: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_record.cpp" line="92"/>
        <source>cannot write the recording %1: %2</source>
        <translation>die Aufzeichnung %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_replay.cpp" line="78"/>
        <source>difference: line %1, state %2 %3: the recording has %4, the program sent %5</source>
        <translation>Unterschied: Zeile %1, Zustand %2 %3: die Aufzeichnung hat %4, das Programm sandte %5</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_replay.cpp" line="86"/>
        <source>same up to line %1, where the recording is cut short</source>
        <translation>gleich bis Zeile %1, wo die Aufzeichnung abbricht</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_replay.cpp" line="89"/>
        <source>same</source>
        <translation>gleich</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_replay.cpp" line="147"/>
        <source>--record belongs to the commands that talk to a board</source>
        <translation>--record gehört zu den Befehlen, die mit einer Platine sprechen</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_replay.cpp" line="149"/>
        <source>--fast, --file and --export belong to replay</source>
        <translation>--fast, --file und --export gehören zu replay</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_replay.cpp" line="154"/>
        <source>
Recordings:
  --record FILE   write the session down in FILE, every byte each way and
                  every line change (JSON Lines); with several boards one
                  file each, the port in its name. It holds the program
                  written into the chip.
  replay FILE     run the recorded operation again against the recording&apos;s
                  board (no board or port needed): same (exit 0) or the
                  first difference, its line, what was expected and found
                  (exit 1)
  --fast          replay: as fast as it goes, not at the recorded pace
  --file HEX      replay: this HEX file in place of the one recorded (its
                  SHA-256 must match)
  --export spy    replay: write the recording in pyserial&apos;s spy format
</source>
        <translation>
Aufzeichnungen:
  --record DATEI  die Sitzung in DATEI aufzeichnen, jedes Byte in jede
                  Richtung und jeden Leitungswechsel (JSON Lines); bei
                  mehreren Platinen je eine Datei, der Port im Namen. Sie
                  enthält das in den Chip geschriebene Programm.
  replay DATEI    den aufgezeichneten Vorgang gegen die Platine der
                  Aufzeichnung wiederholen (ohne Platine und Port): same
                  (Exit 0) oder der erste Unterschied, seine Zeile, was
                  erwartet und was gefunden wurde (Exit 1)
  --fast          replay: so schnell es geht, nicht im aufgezeichneten Takt
  --file HEX      replay: diese HEX-Datei statt der aufgezeichneten (ihr
                  SHA-256 muss passen)
  --export spy    replay: die Aufzeichnung im spy-Format von pyserial ausgeben
</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_replay.cpp" line="175"/>
        <source>cannot replay %1: %2</source>
        <translation>%1 kann nicht wiederholt werden: %2</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_replay.cpp" line="184"/>
        <source>%1 names no operation on a board to replay</source>
        <translation>%1 nennt keinen Vorgang auf einer Platine, der sich wiederholen ließe</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_replay.cpp" line="191"/>
        <source>%1 records program --watch: the files saved after its first program are not in it, so it cannot be replayed (tessaro-boardsim --check checks it)</source>
        <translation>%1 zeichnet program --watch auf: die nach dem ersten Programmieren gespeicherten Dateien sind nicht darin, daher lässt sie sich nicht wiederholen (tessaro-boardsim --check prüft sie)</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_replay.cpp" line="206"/>
        <source>%1 is not the HEX file of the recording (its SHA-256 differs)</source>
        <translation>%1 ist nicht die HEX-Datei der Aufzeichnung (ihr SHA-256 weicht ab)</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_report.cpp" line="65"/>
        <source>done</source>
        <translation>erledigt</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_report.cpp" line="67"/>
        <source>difference</source>
        <translation>Abweichung</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_report.cpp" line="69"/>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_report.cpp" line="71"/>
        <source>declined</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_report.cpp" line="73"/>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_report.cpp" line="75"/>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_report.cpp" line="77"/>
        <source>bad answer</source>
        <translation>falsche Antwort</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_report.cpp" line="79"/>
        <source>wrong board</source>
        <translation>falsches Gerät</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_serial.cpp" line="60"/>
        <source>serial %1</source>
        <translation>Seriennummer %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_serials.cpp" line="58"/>
        <source>serials takes init, status, report, find SERIAL, close-stale or export-sqtp FILE</source>
        <translation>serials nimmt init, status, report, find SERIENNUMMER, close-stale oder export-sqtp DATEI</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_serials.cpp" line="64"/>
        <source>serials needs --serial-store URI (or TESSARO_SERIAL_STORE)</source>
        <translation>serials braucht --serial-store URI (oder TESSARO_SERIAL_STORE)</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_serials.cpp" line="123"/>
        <source>find takes a serial number, not %1</source>
        <translation>find nimmt eine Seriennummer, nicht %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_serials.cpp" line="129"/>
        <source>no chip has the serial number %1</source>
        <translation>kein Chip hat die Seriennummer %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_serials.cpp" line="148"/>
        <source>the serial store&apos;s schema: version %1, was %2</source>
        <translation>Schema des Seriennummernspeichers: Version %1, war %2</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_serials.cpp" line="161"/>
        <source>%1 reservations of %2 closed as interrupted</source>
        <translation>%1 Reservierungen von %2 als unterbrochen geschlossen</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_serials.cpp" line="173"/>
        <source>serials cannot %1 (init, status, report, find SERIAL, close-stale --station NAME, export-sqtp FILE)</source>
        <translation>serials kann nicht %1 (init, status, report, find SERIENNUMMER, close-stale --station NAME, export-sqtp DATEI)</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="59"/>
        <source>--help lists the commands and options</source>
        <translation>--help nennt die Befehle und Optionen</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="93"/>
        <source>%1 needs --chip</source>
        <translation>%1 braucht --chip</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="112"/>
        <source>no port %1</source>
        <translation>kein Port %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="157"/>
        <source>no chip %1 in the chip file (`chips` lists them)</source>
        <translation>kein Chip %1 in der Chipdatei (`chips` zeigt sie)</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="170"/>
        <source>%1 holds no data</source>
        <translation>%1 enthält keine Daten</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="197"/>
        <source>no fuse %1 on the %2 (it has none)</source>
        <translation>keine Fuse %1 beim %2 (er hat keine)</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="198"/>
        <source>no fuse %1 on the %2 (%3)</source>
        <translation>keine Fuse %1 beim %2 (%3)</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="202"/>
        <source>no option %1 for %2 (%3)</source>
        <translation>keine Option %1 für %2 (%3)</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="217"/>
        <source>the %1 has no ID to set</source>
        <translation>der %1 hat keine einstellbare ID</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="220"/>
        <source>the %1 takes an ID of %2 digits</source>
        <translation>der %1 erwartet eine ID mit %2 Ziffern</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="237"/>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="242"/>
        <source>the board is %1, not %2</source>
        <translation>das Gerät ist ein %1, kein %2</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="247"/>
        <source>no programmer board greeting on %1</source>
        <translation>keine Meldung eines Programmiergeräts an %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="259"/>
        <source>%1 boards have no ICSP mode</source>
        <translation>%1-Geräte haben keinen ICSP-Modus</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="267"/>
        <source>%1 boards do not take the %2</source>
        <translation>%1-Geräte unterstützen den %2 nicht</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_upgrade.cpp" line="14"/>
        <source>upgrade programs the board&apos;s own %1: it takes no --chip</source>
        <translation>upgrade programmiert den eigenen %1 des Geräts: es nimmt kein --chip</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_watch.cpp" line="10"/>
        <source>cannot watch %1: %2</source>
        <translation>%1 kann nicht überwacht werden: %2</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_watch.cpp" line="20"/>
        <source>watching %1 (Ctrl-C ends)</source>
        <translation>überwache %1 (Strg-C beendet)</translation>
    </message>
    <message>
        <location filename="../src/cli/console_output.cpp" line="50"/>
        <source>error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/console_output.cpp" line="54"/>
        <source>question: %1 -&gt; Yes</source>
        <translation>Frage: %1 -&gt; Ja</translation>
    </message>
    <message>
        <location filename="../src/cli/console_output.cpp" line="54"/>
        <source>question: %1 -&gt; No</source>
        <translation>Frage: %1 -&gt; Nein</translation>
    </message>
    <message>
        <location filename="../src/cli/gang.cpp" line="22"/>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <location filename="../src/cli/gang.cpp" line="24"/>
        <source>chip failed</source>
        <translation>Chip fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../src/cli/gang.cpp" line="26"/>
        <source>board failed, set aside</source>
        <translation>Gerät ausgefallen, beiseitegelegt</translation>
    </message>
    <message>
        <location filename="../src/cli/gang.cpp" line="30"/>
        <source>interrupted</source>
        <translation>unterbrochen</translation>
    </message>
    <message>
        <location filename="../src/cli/gang.cpp" line="32"/>
        <source>running</source>
        <translation>läuft</translation>
    </message>
    <message>
        <location filename="../src/cli/gang.cpp" line="47"/>
        <source>chips %1  passed %2  failed %3</source>
        <translation>Chips %1  bestanden %2  fehlgeschlagen %3</translation>
    </message>
    <message>
        <location filename="../src/cli/gang.cpp" line="123"/>
        <source>%1: %2 passed, %3 failed; %4 (exit code %5)</source>
        <translation>%1: %2 bestanden, %3 fehlgeschlagen; %4 (Exitcode %5)</translation>
    </message>
    <message>
        <location filename="../src/cli/gang.cpp" line="125"/>
        <source>%1: %2 (exit code %3)</source>
        <translation>%1: %2 (Exitcode %3)</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="63"/>
        <source>cannot lock the serial state %1.lock: %2</source>
        <translation>der Seriennummernstand %1.lock lässt sich nicht sperren: %2</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="92"/>
        <source>--serial takes START or START:STEP, not %1</source>
        <translation>--serial erwartet START oder START:SCHRITT, nicht %1</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="97"/>
        <source>--serial-list takes a file</source>
        <translation>--serial-list erwartet eine Datei</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="105"/>
        <source>--serial-at takes rom:ADDR or eeprom:ADDR, not %1</source>
        <translation>--serial-at erwartet rom:ADR oder eeprom:ADR, nicht %1</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="109"/>
        <source>--serial-bytes takes 1 to 8, not %1</source>
        <translation>--serial-bytes erwartet 1 bis 8, nicht %1</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="114"/>
        <source>--serial-order takes big or little, not %1</source>
        <translation>--serial-order erwartet big oder little, nicht %1</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="120"/>
        <source>%1 takes a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="129"/>
        <source>--serial-series and --station belong to --serial-store</source>
        <translation>--serial-series und --station gehören zu --serial-store</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="132"/>
        <source>--serial-at and --serial-state need --serial or --serial-list</source>
        <translation>--serial-at und --serial-state brauchen --serial oder --serial-list</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="134"/>
        <source>--serial and --serial-list exclude each other</source>
        <translation>--serial und --serial-list schließen einander aus</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="136"/>
        <source>an SQTP file says where its records go: no --serial-at with it</source>
        <translation>eine SQTP-Datei sagt selbst, wohin ihre Einträge gehören: kein --serial-at dazu</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="138"/>
        <source>serial numbers need --serial-at rom:ADDR or eeprom:ADDR</source>
        <translation>Seriennummern brauchen --serial-at rom:ADR oder eeprom:ADR</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="140"/>
        <source>serial numbers need --serial-state FILE or --log FILE (the state goes beside it)</source>
        <translation>Seriennummern brauchen --serial-state DATEI oder --log DATEI (der Stand liegt daneben)</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="167"/>
        <source>the serial at %1 does not fit in the %2&apos;s program memory</source>
        <translation>die Seriennummer an %1 passt nicht in den Programmspeicher des %2</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="168"/>
        <source>the serial at %1 does not fit in the %2&apos;s EEPROM</source>
        <translation>die Seriennummer an %1 passt nicht in das EEPROM des %2</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="177"/>
        <source>the serial at %1 would write over the program&apos;s own data</source>
        <translation>die Seriennummer an %1 würde Daten des Programms überschreiben</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="204"/>
        <source>serial %1 does not fit in 1 byte</source>
        <translation>die Seriennummer %1 passt nicht in 1 Byte</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="205"/>
        <source>serial %1 does not fit in %2 bytes</source>
        <translation>die Seriennummer %1 passt nicht in %2 Bytes</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="212"/>
        <source>cannot read the serial list %1</source>
        <translation>die Seriennummernliste %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="231"/>
        <source>%1 line %2: not a serial number</source>
        <translation>%1 Zeile %2: keine Seriennummer</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="253"/>
        <source>cannot read the serial state %1</source>
        <translation>der Seriennummernstand %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="262"/>
        <source>the serial state %1 is not a counter&apos;s (next N)</source>
        <translation>der Seriennummernstand %1 ist nicht der eines Zählers (next N)</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="263"/>
        <source>the serial state %1 is not a list&apos;s (taken N)</source>
        <translation>der Seriennummernstand %1 ist nicht der einer Liste (taken N)</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="272"/>
        <source>the serial list %1 has no number left</source>
        <translation>die Seriennummernliste %1 hat keine Nummer mehr</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="308"/>
        <source>the serial counter has run out</source>
        <translation>der Seriennummernzähler ist erschöpft</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="313"/>
        <source>cannot write the serial state %1: %2</source>
        <translation>der Seriennummernstand %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location filename="../src/cli/sqtp_export.cpp" line="73"/>
        <source>export-sqtp needs --chip and --serial-at</source>
        <translation>export-sqtp braucht --chip und --serial-at</translation>
    </message>
    <message>
        <location filename="../src/cli/sqtp_export.cpp" line="96"/>
        <source>%1 numbers written to %2</source>
        <translation>%1 Nummern nach %2 geschrieben</translation>
    </message>
    <message>
        <location filename="../src/cli/station_serials.cpp" line="127"/>
        <source>the serial store is back</source>
        <translation>der Seriennummernspeicher ist wieder da</translation>
    </message>
    <message>
        <location filename="../src/cli/station_serials.cpp" line="147"/>
        <source>waiting for the serial store</source>
        <translation>warte auf den Seriennummernspeicher</translation>
    </message>
    <message>
        <location filename="../src/cli/station_serials.cpp" line="148"/>
        <source>%1; results wait in the journal, no new chip until the serial store is back</source>
        <translation>%1; Ergebnisse warten im Journal, kein neuer Chip, bis der Seriennummernspeicher wieder da ist</translation>
    </message>
    <message>
        <location filename="../src/fuses/calibration.cpp" line="7"/>
        <source>Invalid OSCAL value</source>
        <translation>Ungültiger OSCAL-Wert</translation>
    </message>
    <message>
        <location filename="../src/fuses/calibration.cpp" line="8"/>
        <source>Invalid BandGap value</source>
        <translation>Ungültiger Bandgap-Wert</translation>
    </message>
    <message>
        <location filename="../src/fuses/fuse_explain.cpp" line="29"/>
        <source>no option (%1)</source>
        <translation>keine Option (%1)</translation>
    </message>
    <message>
        <location filename="../src/fuses/fuse_explain.cpp" line="72"/>
        <source>%1: file %2, chip %3</source>
        <translation>%1: Datei %2, Chip %3</translation>
    </message>
    <message>
        <location filename="../src/fuses/fuse_explain.cpp" line="79"/>
        <source>Bandgap: file %1, chip %2</source>
        <translation>Bandgap: Datei %1, Chip %2</translation>
    </message>
    <message>
        <location filename="../src/fuses/fuse_explain.cpp" line="82"/>
        <source>Bits %1: file %2, chip %3</source>
        <translation>Bits %1: Datei %2, Chip %3</translation>
    </message>
    <message>
        <location filename="../src/fuses/fuse_messages.h" line="7"/>
        <source>Please select a chip</source>
        <translation>Bitte wählen Sie einen Chip</translation>
    </message>
    <message>
        <location filename="../src/image/chip_checksum.h" line="28"/>
        <source>none (a serial EEPROM has no checksum)</source>
        <translation>keine (ein serielles EEPROM hat keine Prüfsumme)</translation>
    </message>
    <message>
        <location filename="../src/image/code_listing.h" line="22"/>
        <source>Sorting data...</source>
        <translation>Daten werden sortiert...</translation>
    </message>
    <message>
        <location filename="../src/image/hex_load.cpp" line="105"/>
        <source>1 byte of %1 lies outside %2&apos;s memory and was not loaded</source>
        <translation>1 Byte von %1 liegt außerhalb des Speichers des %2 und wurde nicht geladen</translation>
    </message>
    <message>
        <location filename="../src/image/hex_load.cpp" line="106"/>
        <source>%1 bytes of %2 lie outside %3&apos;s memory and were not loaded</source>
        <translation>%1 Bytes von %2 liegen außerhalb des Speichers des %3 und wurden nicht geladen</translation>
    </message>
    <message>
        <location filename="../src/image/hex_load.h" line="16"/>
        <source>Open HEX File</source>
        <translation>HEX-Datei öffnen</translation>
    </message>
    <message>
        <location filename="../src/image/hex_load.h" line="17"/>
        <source>Hex Files (*.hex);;All Files (*.*)</source>
        <translation>HEX-Dateien (*.hex);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <location filename="../src/image/hex_load.h" line="18"/>
        <source>Error loading file</source>
        <translation>Fehler beim Laden der Datei</translation>
    </message>
    <message>
        <location filename="../src/image/hex_load.h" line="19"/>
        <source>Error in HEX file - line %1</source>
        <translation>Fehler in der HEX-Datei - Zeile %1</translation>
    </message>
    <message>
        <location filename="../src/image/hex_load.h" line="20"/>
        <source>Error in HEX file - %1</source>
        <translation>Fehler in der HEX-Datei - %1</translation>
    </message>
    <message>
        <location filename="../src/image/hex_load.h" line="22"/>
        <source>This data appears to be for a different core type&#xd;and may not function with the selected device.&#xd;&#xd;Data will be truncated. Continue loading?</source>
        <translation>Diese Daten scheinen für einen anderen Kerntyp zu sein&#xd;und funktionieren mit dem gewählten Chip eventuell nicht.&#xd;&#xd;Die Daten werden gekürzt. Weiter laden?</translation>
    </message>
    <message>
        <location filename="../src/image/hex_save.h" line="17"/>
        <source>A problem occurred while trying to save the HEX file</source>
        <translation>Beim Speichern der HEX-Datei ist ein Problem aufgetreten</translation>
    </message>
    <message>
        <location filename="../src/image/hex_save.h" line="18"/>
        <source>Nothing to save</source>
        <translation>Nichts zu speichern</translation>
    </message>
    <message>
        <location filename="../src/image/hex_save.h" line="19"/>
        <source>Saving...</source>
        <translation>Wird gespeichert...</translation>
    </message>
    <message>
        <location filename="../src/image/hex_save.h" line="20"/>
        <source>Program Ready</source>
        <translation>Programm bereit</translation>
    </message>
    <message>
        <location filename="../src/image/hex_save.h" line="21"/>
        <source>Save HEX File</source>
        <translation>HEX-Datei speichern</translation>
    </message>
    <message>
        <location filename="../src/image/hex_save.h" line="22"/>
        <source>HEX Files (*.hex);;All Files (*.*)</source>
        <translation>HEX-Dateien (*.hex);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <location filename="../src/image/sqtp_file.cpp" line="63"/>
        <source>%1 line %2: not an SQTP record</source>
        <translation>%1 Zeile %2: kein SQTP-Eintrag</translation>
    </message>
    <message>
        <location filename="../src/image/sqtp_file.cpp" line="73"/>
        <source>%1 line %2: every SQTP record stands at one address with one length</source>
        <translation>%1 Zeile %2: alle SQTP-Einträge stehen an einer Adresse mit einer Länge</translation>
    </message>
    <message>
        <location filename="../src/image/sqtp_file.cpp" line="78"/>
        <source>%1 holds no SQTP records</source>
        <translation>%1 enthält keine SQTP-Einträge</translation>
    </message>
    <message>
        <location filename="../src/image/sqtp_file.cpp" line="89"/>
        <source>the SQTP records at %1 lie outside the %2</source>
        <translation>die SQTP-Einträge bei %1 liegen außerhalb des %2</translation>
    </message>
    <message>
        <location filename="../src/image/sqtp_file.cpp" line="91"/>
        <source>the SQTP records at %1 would write over the calibration word</source>
        <translation>die SQTP-Einträge bei %1 würden das Kalibrierwort überschreiben</translation>
    </message>
    <message>
        <location filename="../src/image/sqtp_file.cpp" line="98"/>
        <source>the SQTP records at %1 would write over the program&apos;s own data</source>
        <translation>die SQTP-Einträge bei %1 würden Daten des Programms überschreiben</translation>
    </message>
    <message>
        <location filename="../src/link/port_discovery.cpp" line="6"/>
        <source>built-in port (%1)</source>
        <translation>eingebauter Port (%1)</translation>
    </message>
    <message>
        <location filename="../src/link/port_discovery.cpp" line="11"/>
        <source>USB serial device</source>
        <translation>Serielles USB-Gerät</translation>
    </message>
    <message>
        <location filename="../src/link/port_discovery.cpp" line="13"/>
        <source>%1 (%2:%3)</source>
        <translation>%1 (%2:%3)</translation>
    </message>
    <message>
        <location filename="../src/link/port_discovery.cpp" line="14"/>
        <source>%1 (%2:%3, serial %4)</source>
        <translation>%1 (%2:%3, Seriennummer %4)</translation>
    </message>
    <message>
        <location filename="../src/link/port_discovery.cpp" line="19"/>
        <source>%1 is not there.</source>
        <translation>%1 ist nicht vorhanden.</translation>
    </message>
    <message>
        <location filename="../src/link/port_discovery.cpp" line="23"/>
        <source>You may not open %1: it belongs to the group %2.&#xd;Your account was added to that group after you logged in: log out and in again.</source>
        <translation>Sie dürfen %1 nicht öffnen: es gehört der Gruppe %2.&#xd;Ihr Konto wurde nach Ihrer Anmeldung in diese Gruppe aufgenommen: melden Sie sich ab und wieder an.</translation>
    </message>
    <message>
        <location filename="../src/link/port_discovery.cpp" line="26"/>
        <source>You may not open %1: it belongs to the group %2.&#xd;To fix it run: sudo adduser $USER %2&#xd;then log out and in again.</source>
        <translation>Sie dürfen %1 nicht öffnen: es gehört der Gruppe %2.&#xd;Abhilfe: sudo adduser $USER %2&#xd;ausführen, dann ab- und wieder anmelden.</translation>
    </message>
    <message>
        <location filename="../src/link/port_discovery_posix.cpp" line="216"/>
        <source>Latency timer %1 ms slows the board down. Lower it with:&#xd;echo %2 | sudo tee %3</source>
        <translation>Der Latenz-Timer von %1 ms bremst das Gerät. Verringern mit:&#xd;echo %2 | sudo tee %3</translation>
    </message>
    <message>
        <location filename="../src/link/port_discovery_win.cpp" line="164"/>
        <source>Latency timer %1 ms slows the board down. Lower it to %2 ms in Device Manager:&#xd;Ports (COM &amp; LPT), %3, Properties, Port Settings, Advanced, Latency Timer.</source>
        <translation>Der Latenz-Timer von %1 ms bremst das Gerät. Auf %2 ms stellen im Geräte-Manager:&#xd;Anschlüsse (COM &amp; LPT), %3, Eigenschaften, Anschlusseinstellungen, Erweitert, Latenz-Timer.</translation>
    </message>
    <message>
        <location filename="../src/link/port_map.cpp" line="72"/>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location filename="../src/link/port_map.cpp" line="77"/>
        <source>cannot replace %1</source>
        <translation>%1 kann nicht ersetzt werden</translation>
    </message>
    <message>
        <location filename="../src/link/port_map.cpp" line="90"/>
        <source>  (no access)</source>
        <translation>  (kein Zugriff)</translation>
    </message>
    <message>
        <location filename="../src/link/port_map.cpp" line="105"/>
        <source>%1  network serial server</source>
        <translation>%1  serieller Netzwerkserver</translation>
    </message>
    <message>
        <location filename="../src/link/serial.cpp" line="14"/>
        <source>Baudrate is not valid</source>
        <translation>Die Baudrate ist ungültig</translation>
    </message>
    <message>
        <location filename="../src/link/session_recording.cpp" line="117"/>
        <source>not a session recording (its first line is no header)</source>
        <translation>keine Sitzungsaufzeichnung (ihre erste Zeile ist kein Kopf)</translation>
    </message>
    <message>
        <location filename="../src/platform/help_viewer_qt.cpp" line="134"/>
        <source>Tessaro Help</source>
        <translation>Tessaro-Hilfe</translation>
    </message>
    <message>
        <location filename="../src/platform/help_viewer_qt.cpp" line="139"/>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <location filename="../src/platform/help_viewer_qt.cpp" line="145"/>
        <source>Help document</source>
        <translation>Hilfedokument</translation>
    </message>
    <message>
        <location filename="../src/platform/help_viewer_qt.cpp" line="146"/>
        <source>Tab moves from link to link</source>
        <translation>Tab springt von Verweis zu Verweis</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="18"/>
        <source>%1 = Not Erased</source>
        <translation>%1 = Nicht leer</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="18"/>
        <source>%1 = Erased</source>
        <translation>%1 = Leer</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="48"/>
        <source>This will totally erase the chip.&#xd;&#xd;Do you wish to continue?</source>
        <translation>Dies löscht den Chip vollständig.&#xd;&#xd;Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="66"/>
        <source>Erase Check...</source>
        <translation>Leertest...</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="132"/>
        <source>Blank results...</source>
        <translation>Leertest-Ergebnis...</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="149"/>
        <source>Blank Results: </source>
        <translation>Ergebnis des Leertests: </translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="152"/>
        <source>ROM</source>
        <translation>ROM</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="154"/>
        <source>EEPROM</source>
        <translation>EEPROM</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="159"/>
        <source>Fuse</source>
        <translation>Fuses</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="179"/>
        <source>Continue to erase and program this chip?</source>
        <translation>Diesen Chip löschen und programmieren?</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="180"/>
        <source>Continue to program this chip?</source>
        <translation>Diesen Chip trotzdem programmieren?</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="209"/>
        <source>Keeping the chip&apos;s calibration 0x%1</source>
        <translation>Behalte Chip-Kalibrierung 0x%1</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="219"/>
        <source>Calibration data from chip does not match new programming data&#xd;&#xd;Continue programming with new data?</source>
        <translation>Die Kalibrierdaten des Chips stimmen nicht mit den neuen Programmierdaten überein&#xd;&#xd;Mit den neuen Daten weiter programmieren?</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="275"/>
        <source>Erase result...</source>
        <translation>Löschergebnis...</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="283"/>
        <source>Chip has been erased</source>
        <translation>Der Chip wurde gelöscht</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="287"/>
        <source>Error writing new Calibration and BandGap</source>
        <translation>Fehler beim Schreiben der neuen Kalibrierung und des Bandgaps</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="288"/>
        <source>Error writing new Calibration</source>
        <translation>Fehler beim Schreiben der neuen Kalibrierung</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="291"/>
        <source>Error writing new BandGap</source>
        <translation>Fehler beim Schreiben des neuen Bandgaps</translation>
    </message>
    <message>
        <location filename="../src/protocol/blocks.cpp" line="103"/>
        <source>ROM error at 0x%1</source>
        <translation>ROM-Fehler bei 0x%1</translation>
    </message>
    <message>
        <location filename="../src/protocol/blocks.cpp" line="103"/>
        <source>EEPROM error at 0x%1</source>
        <translation>EEPROM-Fehler bei 0x%1</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="57"/>
        <source>Resetting Tessaro...</source>
        <translation>Tessaro wird zurückgesetzt...</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="93"/>
        <source>%1 board connected</source>
        <translation>%1-Gerät verbunden</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="98"/>
        <source>System matching...</source>
        <translation>Abgleich...</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="100"/>
        <source>Program mode = %1, connected board = %2.&#xd;&#xd;Will attempt to match the board</source>
        <translation>Eingestellter Typ = %1, angeschlossenes Gerät = %2.&#xd;&#xd;Der Typ wird an das Gerät angepasst</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="110"/>
        <source>Reset error...</source>
        <translation>Reset-Fehler...</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="113"/>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="115"/>
        <source>Reset failed. Please check...&#xd;&#xd;Communications port, currently [ %1 ]&#xd;Board connections and power&#xd;Mode =  [ %2 ], does your programmer board match this setting?</source>
        <translation>Reset fehlgeschlagen. Bitte prüfen Sie...&#xd;&#xd;den seriellen Port, zurzeit [ %1 ]&#xd;die Anschlüsse und die Stromversorgung des Geräts&#xd;den Typ =  [ %2 ], passt Ihr Programmiergerät zu dieser Einstellung?</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="124"/>
        <source>Comms Error...</source>
        <translation>Übertragungsfehler...</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="125"/>
        <source>The board is not responding</source>
        <translation>Das Gerät antwortet nicht</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="127"/>
        <source>I2C Error...</source>
        <translation>I2C-Fehler...</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="128"/>
        <source>I2C EEPROM is not responding.</source>
        <translation>Das I2C-EEPROM antwortet nicht.</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="130"/>
        <source>Function Error...</source>
        <translation>Funktionsfehler...</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="131"/>
        <source>Function not supported by this programmer firmware.</source>
        <translation>Diese Funktion wird von der Firmware des Programmiergeräts nicht unterstützt.</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="157"/>
        <source>Cannot use Auto Program Mode with serial EEPROMs</source>
        <translation>Automatisches Programmieren ist mit seriellen EEPROMs nicht möglich</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="161"/>
        <source>Cannot use Auto Program Mode when ICSP is enabled</source>
        <translation>Automatisches Programmieren ist bei eingeschaltetem ICSP nicht möglich</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="232"/>
        <source>Waiting for chip removal...</source>
        <translation>Auf Entnahme des Chips wird gewartet...</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="246"/>
        <source>Waiting for chip insertion...</source>
        <translation>Auf Einsetzen eines Chips wird gewartet...</translation>
    </message>
    <message>
        <location filename="../src/protocol/engine.cpp" line="228"/>
        <source>EEPROM not responding.</source>
        <translation>Das EEPROM antwortet nicht.</translation>
    </message>
    <message>
        <location filename="../src/protocol/engine.cpp" line="232"/>
        <source>Received data error.&#xd;</source>
        <translation>Fehler in den empfangenen Daten.&#xd;</translation>
    </message>
    <message>
        <location filename="../src/protocol/engine.cpp" line="285"/>
        <source>Initializing...</source>
        <translation>Wird initialisiert...</translation>
    </message>
    <message>
        <location filename="../src/protocol/engine.cpp" line="286"/>
        <source>Checking for %1...</source>
        <translation>%1 wird gesucht...</translation>
    </message>
    <message>
        <location filename="../src/protocol/engine.cpp" line="306"/>
        <source>Chip ID is not supported for this device.</source>
        <translation>Für diesen Chip gibt es keine Chip-ID.</translation>
    </message>
    <message>
        <location filename="../src/protocol/engine_messages.h" line="7"/>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <location filename="../src/protocol/engine_messages.h" line="8"/>
        <source>Error...</source>
        <translation>Fehler...</translation>
    </message>
    <message>
        <location filename="../src/protocol/engine_messages.h" line="9"/>
        <source>Verify result...</source>
        <translation>Verifizierergebnis...</translation>
    </message>
    <message>
        <location filename="../src/protocol/engine_messages.h" line="10"/>
        <source>Verifying EEPROM...</source>
        <translation>EEPROM wird verifiziert...</translation>
    </message>
    <message>
        <location filename="../src/protocol/engine_messages.h" line="11"/>
        <source>Erasing...</source>
        <translation>Wird gelöscht...</translation>
    </message>
    <message>
        <location filename="../src/protocol/engine_messages.h" line="12"/>
        <source>Nothing to program</source>
        <translation>Nichts zu programmieren</translation>
    </message>
    <message>
        <location filename="../src/protocol/engine_messages.h" line="14"/>
        <source>%1&#xd;&#xd;Good 0x%2&#xd;Bad 0x%3</source>
        <translation>%1&#xd;&#xd;Soll 0x%2&#xd;Ist 0x%3</translation>
    </message>
    <message>
        <location filename="../src/protocol/engine_messages.h" line="16"/>
        <source>%1&#xd;About to apply reset...</source>
        <translation>%1&#xd;Das Gerät wird zurückgesetzt...</translation>
    </message>
    <message>
        <location filename="../src/protocol/engine_messages.h" line="20"/>
        <source>The memory image does not hold the whole chip.&#xd;&#xd;Load a file or read the chip again.</source>
        <translation>Die Daten im Speicher umfassen nicht den ganzen Chip.&#xd;&#xd;Laden Sie eine Datei oder lesen Sie den Chip erneut.</translation>
    </message>
    <message>
        <location filename="../src/protocol/handshake.cpp" line="51"/>
        <source>You are trying to connect to [ %1 ]&#xd;&#xd;Please select [ %2 ] to match your programmer board.</source>
        <translation>Sie versuchen, sich mit [ %1 ] zu verbinden&#xd;&#xd;Bitte wählen Sie [ %2 ], passend zu Ihrem Programmiergerät.</translation>
    </message>
    <message>
        <location filename="../src/protocol/handshake.cpp" line="106"/>
        <source>Confirming...</source>
        <translation>Wird bestätigt...</translation>
    </message>
    <message>
        <location filename="../src/protocol/handshake.cpp" line="131"/>
        <source>The programmer does not recognise the [%1]&#xd;&#xd;The chip in the socket reports the ID of a %2.&#xd;&#xd;Continue anyway?</source>
        <translation>Das Programmiergerät erkennt den [%1] nicht&#xd;&#xd;Der Chip im Sockel meldet die ID eines %2.&#xd;&#xd;Trotzdem fortfahren?</translation>
    </message>
    <message>
        <location filename="../src/protocol/handshake.cpp" line="134"/>
        <source>The programmer does not recognise the [%1]&#xd;&#xd;The chip in the socket reports an ID that no chip of the chip file has: 0x%2&#xd;&#xd;Continue anyway?</source>
        <translation>Das Programmiergerät erkennt den [%1] nicht&#xd;&#xd;Der Chip im Sockel meldet eine ID, die kein Chip der Chipdatei hat: 0x%2&#xd;&#xd;Trotzdem fortfahren?</translation>
    </message>
    <message>
        <location filename="../src/protocol/handshake.cpp" line="146"/>
        <source>[%1]   Version %2&#xd;&#xd;Chip ID = %3</source>
        <translation>[%1]   Version %2&#xd;&#xd;Chip-ID = %3</translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="48"/>
        <source>WARNING!&#xd;&#xd;This device has code protection that cannot be erased.&#xd;Do you wish to continue?</source>
        <translation>WARNUNG!&#xd;&#xd;Dieser Chip hat einen Codeschutz, der sich nicht löschen lässt.&#xd;Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="79"/>
        <source>Upgrading...</source>
        <translation>Firmware wird aktualisiert...</translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="82"/>
        <source>Programming ROM...</source>
        <translation>ROM wird programmiert...</translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="131"/>
        <source>Programming error...</source>
        <translation>Programmierfehler...</translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="135"/>
        <source>ROM programming error at address 0x%1</source>
        <translation>ROM-Programmierfehler an Adresse 0x%1</translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="150"/>
        <source>Programming EEPROM...</source>
        <translation>EEPROM wird programmiert...</translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="219"/>
        <source>Programming ID...</source>
        <translation>ID wird programmiert...</translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="222"/>
        <source>Programming config...</source>
        <translation>Konfiguration wird programmiert...</translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="241"/>
        <source>ID FUSE programming error.</source>
        <translation>Fehler beim Programmieren von ID und Fuses.</translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="243"/>
        <source>Programming result...</source>
        <translation>Programmierergebnis...</translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="247"/>
        <source>Programming complete.</source>
        <translation>Programmierung abgeschlossen.</translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="271"/>
        <source>Programming Fuse...</source>
        <translation>Fuses werden programmiert...</translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="305"/>
        <source>Programming complete</source>
        <translation>Programmierung abgeschlossen</translation>
    </message>
    <message>
        <location filename="../src/protocol/read_verify.cpp" line="40"/>
        <source>Nothing to verify</source>
        <translation>Nichts zu verifizieren</translation>
    </message>
    <message>
        <location filename="../src/protocol/read_verify.cpp" line="60"/>
        <source>Reading ROM...</source>
        <translation>ROM wird gelesen...</translation>
    </message>
    <message>
        <location filename="../src/protocol/read_verify.cpp" line="83"/>
        <source>Reading EEPROM...</source>
        <translation>EEPROM wird gelesen...</translation>
    </message>
    <message>
        <location filename="../src/protocol/read_verify.cpp" line="127"/>
        <source>Verifying ROM...</source>
        <translation>ROM wird verifiziert...</translation>
    </message>
    <message>
        <location filename="../src/protocol/read_verify.cpp" line="186"/>
        <source>Data verified</source>
        <translation>Daten verifiziert</translation>
    </message>
    <message>
        <location filename="../src/protocol/read_verify.cpp" line="202"/>
        <source>ID error 0x20%1</source>
        <translation>ID-Fehler 0x20%1</translation>
    </message>
    <message>
        <location filename="../src/protocol/read_verify.cpp" line="222"/>
        <source>Fuse error 0x%1</source>
        <translation>Fuse-Fehler 0x%1</translation>
    </message>
    <message>
        <location filename="../src/store/store_journal.cpp" line="13"/>
        <source>cannot write the store&apos;s journal %1 %2</source>
        <translation>kann das Journal des Speichers %1 nicht schreiben %2</translation>
    </message>
    <message>
        <location filename="../src/store/store_journal.cpp" line="86"/>
        <source>cannot read the store&apos;s journal %1</source>
        <translation>kann das Journal des Speichers %1 nicht lesen</translation>
    </message>
    <message>
        <location filename="../src/store/store_text.cpp" line="11"/>
        <source>the serial store gave %1, not a serial number of 64 bits</source>
        <translation>der Seriennummernspeicher gab %1, keine Seriennummer von 64 Bit</translation>
    </message>
    <message>
        <location filename="../src/store/store_text.cpp" line="18"/>
        <source>the serial list %1 has 1 number left, not %2</source>
        <translation>die Seriennummernliste %1 hat noch 1 Nummer, nicht %2</translation>
    </message>
    <message>
        <location filename="../src/store/store_text.cpp" line="19"/>
        <source>the serial series %1 has 1 number left, not %2</source>
        <translation>die Seriennummernreihe %1 hat noch 1 Nummer, nicht %2</translation>
    </message>
    <message>
        <location filename="../src/store/store_text.cpp" line="20"/>
        <source>the serial list %1 has %2 numbers left, not %3</source>
        <translation>die Seriennummernliste %1 hat noch %2 Nummern, nicht %3</translation>
    </message>
    <message>
        <location filename="../src/store/store_text.cpp" line="21"/>
        <source>the serial series %1 has %2 numbers left, not %3</source>
        <translation>die Seriennummernreihe %1 hat noch %2 Nummern, nicht %3</translation>
    </message>
    <message>
        <location filename="../src/store/store_text.h" line="12"/>
        <source>the serial series %1 does not exist: start it with --serial START[:STEP] or --serial-list FILE</source>
        <translation>die Seriennummernreihe %1 gibt es nicht: beginnen Sie sie mit --serial START[:SCHRITT] oder --serial-list DATEI</translation>
    </message>
    <message>
        <location filename="../src/store/store_text.h" line="15"/>
        <source>this tessaro-cli was built without PostgreSQL (libpq): --serial-store is not available</source>
        <translation>dieses tessaro-cli wurde ohne PostgreSQL (libpq) gebaut: --serial-store gibt es nicht</translation>
    </message>
    <message>
        <location filename="../src/store/pg/pg_admin.cpp" line="121"/>
        <source>a counter&apos;s numbers never end: give --count N</source>
        <translation>die Nummern eines Zählers enden nie: geben Sie --count N an</translation>
    </message>
    <message>
        <location filename="../src/store/pg/pg_link.cpp" line="12"/>
        <source>cannot reach the serial store: %1</source>
        <translation>Seriennummernspeicher nicht erreichbar: %1</translation>
    </message>
    <message>
        <location filename="../src/store/pg/pg_link.cpp" line="44"/>
        <source>the serial store has no tables of this program (%1): run `tessaro-cli serials init`</source>
        <translation>der Seriennummernspeicher hat keine Tabellen dieses Programms (%1): führen Sie `tessaro-cli serials init` aus</translation>
    </message>
    <message>
        <location filename="../src/store/pg/pg_link.cpp" line="48"/>
        <source>the serial store refused: %1</source>
        <translation>der Seriennummernspeicher lehnte ab: %1</translation>
    </message>
    <message>
        <location filename="../src/store/pg/pg_link.cpp" line="63"/>
        <source>%1 is not a PostgreSQL address (postgresql://HOST/DB or host=... dbname=...): %2</source>
        <translation>%1 ist keine PostgreSQL-Adresse (postgresql://HOST/DB oder host=... dbname=...): %2</translation>
    </message>
    <message>
        <location filename="../src/store/pg/pg_link.cpp" line="104"/>
        <source>the serial store cannot be reached</source>
        <translation>der Seriennummernspeicher ist nicht erreichbar</translation>
    </message>
    <message>
        <location filename="../src/store/pg/pg_schema.cpp" line="56"/>
        <source>the serial store&apos;s schema is version %1, newer than this program&apos;s %2</source>
        <translation>das Schema des Seriennummernspeichers hat Version %1, neuer als die dieses Programms (%2)</translation>
    </message>
    <message>
        <location filename="../src/store/pg/pg_schema.cpp" line="112"/>
        <source>the serial store&apos;s schema is version %1, older than this program&apos;s %2: run `tessaro-cli serials init`</source>
        <translation>das Schema des Seriennummernspeichers hat Version %1, älter als die dieses Programms (%2): führen Sie `tessaro-cli serials init` aus</translation>
    </message>
    <message>
        <location filename="../src/workbench/bench_messages.h" line="11"/>
        <source>Error: Corrupt or missing upgrade file</source>
        <translation>Fehler: Update-Datei beschädigt oder nicht vorhanden</translation>
    </message>
    <message>
        <location filename="../src/workbench/bench_messages.h" line="14"/>
        <source>Board unplugged</source>
        <translation>Gerät getrennt</translation>
    </message>
    <message>
        <location filename="../src/workbench/board.cpp" line="15"/>
        <source>There appears to be a problem accessing the COM Port</source>
        <translation>Beim Zugriff auf den COM-Port scheint ein Problem aufgetreten zu sein</translation>
    </message>
    <message>
        <location filename="../src/workbench/chip_choice.cpp" line="18"/>
        <source>chipinfo.cid file is missing</source>
        <translation>Die Datei chipinfo.cid fehlt</translation>
    </message>
    <message>
        <location filename="../src/workbench/chip_choice.cpp" line="19"/>
        <source>The chip list could not be saved to %1:&#xd;%2</source>
        <translation>Die Chipliste konnte nicht in %1 gespeichert werden:&#xd;%2</translation>
    </message>
    <message>
        <location filename="../src/workbench/commands.cpp" line="33"/>
        <source>Data file has changed.&#xd;&#xd;Do you wish to save it?</source>
        <translation>Die Daten wurden geändert.&#xd;&#xd;Möchten Sie sie speichern?</translation>
    </message>
    <message>
        <location filename="../src/workbench/commands.cpp" line="81"/>
        <source>Chip error...</source>
        <translation>Chipfehler...</translation>
    </message>
    <message>
        <location filename="../src/workbench/commands.cpp" line="82"/>
        <source>Error: Upgrade chip missing from Chip Selector.&#xd;&#xd;Please use OPTIONS -&gt; Edit Chip List to include 16F628.</source>
        <translation>Fehler: Der Chip für das Firmware-Update fehlt in der Chipauswahl.&#xd;&#xd;Bitte nehmen Sie den 16F628 mit OPTIONEN -&gt; Chipliste bearbeiten auf.</translation>
    </message>
    <message>
        <location filename="../src/workbench/commands.cpp" line="91"/>
        <source>File error...</source>
        <translation>Dateifehler...</translation>
    </message>
    <message>
        <location filename="../src/workbench/commands.cpp" line="102"/>
        <source>Please insert 16F628 as per screen graphic.&#xd;&#xd;Do you wish to continue?</source>
        <translation>Bitte setzen Sie einen 16F628 wie im Bild gezeigt ein.&#xd;&#xd;Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <location filename="../src/workbench/commands.cpp" line="145"/>
        <source>Select the [%1] and try again?</source>
        <translation>Den [%1] auswählen und es noch einmal versuchen?</translation>
    </message>
    <message>
        <location filename="../src/workbench/image_edits.cpp" line="18"/>
        <source>The chip&apos;s calibration word reads blank&#xd;Give its value with --calibration (from the log or the chip&apos;s label); the chip is left alone</source>
        <translation>Das Kalibrierwort des Chips ist leer&#xd;Geben Sie seinen Wert mit --calibration an (aus dem Protokoll oder vom Etikett des Chips); der Chip bleibt unverändert</translation>
    </message>
    <message>
        <location filename="../src/workbench/image_file.cpp" line="21"/>
        <source>Data file has changed. Do you wish to save it?</source>
        <translation>Die Daten wurden geändert. Möchten Sie sie speichern?</translation>
    </message>
    <message>
        <location filename="../src/workbench/ports.cpp" line="10"/>
        <source>Cannot write ports/com%1: %2</source>
        <translation>ports/com%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location filename="../src/workbench/recent_files.cpp" line="13"/>
        <source>The file %1 is no longer there.&#xd;It has been taken off the Recent Files list.</source>
        <translation>Die Datei %1 ist nicht mehr vorhanden.&#xd;Sie wurde aus der Liste der zuletzt verwendeten Dateien entfernt.</translation>
    </message>
    <message>
        <location filename="../src/workbench/session.cpp" line="15"/>
        <source>The settings could not be saved to %1:&#xd;%2</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden:&#xd;%2</translation>
    </message>
</context>
</TS>
