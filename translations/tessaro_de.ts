<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Tessaro</name>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="17"/>
        <source>No serial device found. Plug in the programmer board and open this window again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="19"/>
        <source>Cannot write ports/com%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="24"/>
        <source>Assign Ports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="26"/>
        <source>&amp;Devices and network servers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="30"/>
        <source>Devices and network servers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="35"/>
        <source>About the chosen device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="39"/>
        <source>&amp;Use it as:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="43"/>
        <source>COM number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="45"/>
        <source>&amp;Assign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="47"/>
        <source>Assign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="49"/>
        <location filename="../src/app/assign_ports_fm.cpp" line="51"/>
        <location filename="../src/platform/help_viewer_qt.cpp" line="141"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="79"/>
        <source>COM%1  (now %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/board_connection_fm.cpp" line="27"/>
        <source>There appears to be a problem accessing the COM Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/board_connection_fm.cpp" line="109"/>
        <source>Chip error...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/board_connection_fm.cpp" line="110"/>
        <source>Error: Upgrade chip missing from Chip Selector.&#xd;&#xd;Please use OPTIONS -&gt; Edit Chip List to include 16F628.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/board_connection_fm.cpp" line="123"/>
        <source>File error...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/board_connection_fm.cpp" line="124"/>
        <source>Error: Corrupt or missing upgrade file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/board_connection_fm.cpp" line="137"/>
        <source>Please insert 16F628 as per screen graphic.&#xd;&#xd;Do you wish to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/chip_editor_fm.cpp" line="15"/>
        <source>Chip list has changed.&#xd;&#xd;Save changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/chip_editor_fm.cpp" line="29"/>
        <source>Chip Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/chip_editor_fm.cpp" line="37"/>
        <location filename="../src/app/main_window_layout.cpp" line="107"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/chip_editor_fm.cpp" line="39"/>
        <location filename="../src/app/main_window_layout.cpp" line="141"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/chip_editor_fm.cpp" line="49"/>
        <source>Chip list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/chip_editor_fm.cpp" line="51"/>
        <source>Double-click, Space or Enter switches a chip on or off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/chip_editor_fm.cpp" line="52"/>
        <source>Chip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/chip_editor_fm.cpp" line="52"/>
        <source>Included</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/code_listing_fm.cpp" line="134"/>
        <location filename="../src/app/main_window_layout.cpp" line="212"/>
        <source>Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/commands_fm.cpp" line="27"/>
        <source>chipinfo.cid file is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/commands_fm.cpp" line="28"/>
        <source>The chip list could not be saved to %1:&#xd;%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/commands_fm.cpp" line="30"/>
        <source>Tessaro %1&#xd;&#xd;Drives the Tessaro programmer boards for PIC microcontrollers and 24Cxx serial EEPROMs.&#xd;&#xd;Built with Qt %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/commands_fm.cpp" line="62"/>
        <source>ICSP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/commands_fm.cpp" line="86"/>
        <source>Serial &amp;On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/engine_host_fm.cpp" line="83"/>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/fuse_edit_fm.cpp" line="52"/>
        <source>FUSE Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/fuse_edit_fm.cpp" line="81"/>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/fuse_edit_fm.cpp" line="96"/>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/fuse_edit_fm.cpp" line="100"/>
        <location filename="../src/app/osccal_fm.cpp" line="66"/>
        <location filename="../src/app/small_dialogs_fm.cpp" line="78"/>
        <location filename="../src/app/small_dialogs_fm.cpp" line="113"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/fuse_edit_fm.cpp" line="104"/>
        <location filename="../src/app/main_window_layout.cpp" line="238"/>
        <location filename="../src/app/osccal_fm.cpp" line="70"/>
        <location filename="../src/app/small_dialogs_fm.cpp" line="79"/>
        <location filename="../src/app/small_dialogs_fm.cpp" line="114"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/fuses_fm.cpp" line="14"/>
        <source>No OSCAL value in memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/image_fm.cpp" line="9"/>
        <source>Data file has changed. Do you wish to save it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="28"/>
        <source>usage: tessaro [FILE.hex [CHIP]]
  FILE.hex   an Intel HEX file to open (its name ends in .hex)
  CHIP       the chip to select, when the chip list is the last session&apos;s
  --help     this text
  --version  the program&apos;s version
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="23"/>
        <source>Chip Selector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="26"/>
        <source>Serial counter disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="27"/>
        <source>Recent &amp;Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="28"/>
        <source>&amp;About Tessaro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="87"/>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="89"/>
        <location filename="../src/app/main_window_layout.cpp" line="197"/>
        <source>&amp;Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="90"/>
        <location filename="../src/app/main_window_layout.cpp" line="199"/>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="91"/>
        <source>&amp;Merge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="97"/>
        <source>P&amp;rogrammer Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="103"/>
        <source>&amp;Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="104"/>
        <source>&amp;Assign Ports...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="113"/>
        <source>&amp;Programmer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="115"/>
        <location filename="../src/app/main_window_layout.cpp" line="200"/>
        <location filename="../src/app/small_dialogs_fm.cpp" line="129"/>
        <source>&amp;Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="116"/>
        <location filename="../src/app/main_window_layout.cpp" line="203"/>
        <location filename="../src/app/osccal_fm.cpp" line="74"/>
        <source>&amp;Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="117"/>
        <location filename="../src/app/main_window_layout.cpp" line="204"/>
        <location filename="../src/app/small_dialogs_fm.cpp" line="131"/>
        <source>&amp;Verify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="118"/>
        <location filename="../src/app/main_window_layout.cpp" line="206"/>
        <source>&amp;Blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="119"/>
        <source>&amp;OSCAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="120"/>
        <location filename="../src/app/main_window_layout.cpp" line="212"/>
        <source>Ru&amp;n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="121"/>
        <location filename="../src/app/main_window_layout.cpp" line="238"/>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="124"/>
        <source>&amp;User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="126"/>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="128"/>
        <source>&amp;Edit Chip List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="129"/>
        <source>Run &amp;Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="130"/>
        <source>Read Chip &amp;Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="131"/>
        <source>Rese&amp;t Programmer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="132"/>
        <source>Ignore &amp;Blank Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="133"/>
        <source>Fl&amp;y Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="135"/>
        <source>&amp;Advise Newer File Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="137"/>
        <source>&amp;Upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="138"/>
        <source>I&amp;CSP Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="139"/>
        <source>Auto &amp;Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="143"/>
        <location filename="../src/platform/help_viewer_qt.cpp" line="138"/>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="159"/>
        <source>Code listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="163"/>
        <source>Code listing scroll bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="174"/>
        <source>Serial port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="176"/>
        <source>ICSP mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="178"/>
        <source>Automatic mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="180"/>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="184"/>
        <location filename="../src/app/small_dialogs_fm.cpp" line="135"/>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="192"/>
        <source>Commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="197"/>
        <source>Load a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="197"/>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="199"/>
        <source>Save a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="199"/>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="200"/>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="203"/>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="204"/>
        <source>Verify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="206"/>
        <source>Blank test chip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="207"/>
        <source>Blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="208"/>
        <source>&amp;CALIB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="208"/>
        <source>Set/Read OSCAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="209"/>
        <source>Calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="210"/>
        <location filename="../src/app/main_window_layout.cpp" line="210"/>
        <source>Fuses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="212"/>
        <source>Run user code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="216"/>
        <source>Socket picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="222"/>
        <source>Board variant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="234"/>
        <source>Chip type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/messages.h" line="7"/>
        <source>Double click to change port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/messages.h" line="9"/>
        <source>Serial &amp;Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/messages.h" line="12"/>
        <source>Program chip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/messages.h" line="13"/>
        <source>Verify chip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/messages.h" line="14"/>
        <source>Read chip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/osccal_fm.cpp" line="18"/>
        <source>You are about to insert the calibration data into the HEX file.&#xd;&#xd;Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/osccal_fm.cpp" line="44"/>
        <source>OSCAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/osccal_fm.cpp" line="49"/>
        <source>OSCAL Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/osccal_fm.cpp" line="52"/>
        <source>Calibration instruction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/osccal_fm.cpp" line="54"/>
        <source>Two hex digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/osccal_fm.cpp" line="56"/>
        <source>Bandgap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/osccal_fm.cpp" line="58"/>
        <source>Bits 13 and 12, 1 or 0 each</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/port_return_fm.cpp" line="16"/>
        <source>Board unplugged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/recent_files_fm.cpp" line="17"/>
        <source>The file %1 is no longer there.&#xd;It has been taken off the Recent Files list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/small_dialogs_fm.cpp" line="17"/>
        <source>Invalid port value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/small_dialogs_fm.cpp" line="68"/>
        <source>Serial Port Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/small_dialogs_fm.cpp" line="70"/>
        <source>Enter Port Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/small_dialogs_fm.cpp" line="75"/>
        <source>COM port number, 1 to 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/small_dialogs_fm.cpp" line="104"/>
        <source>Erase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/small_dialogs_fm.cpp" line="106"/>
        <source>Erase Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/small_dialogs_fm.cpp" line="110"/>
        <source>Erase Chip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/startup_fm.cpp" line="17"/>
        <source>The settings could not be saved to %1:&#xd;%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/chipdb/chip_list.h" line="17"/>
        <source>Chip configuration file is missing or contains no data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/chipdb/chip_list.h" line="19"/>
        <source>Chip configuration file contains syntax errors.&#xd;&#xd;%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/chipdb/chip_list.h" line="21"/>
        <source>Chip configuration file contains no chip information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_calibration.cpp" line="19"/>
        <source>the %1 has no calibration word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_calibration.cpp" line="67"/>
        <source>calibration word: %1 (blank)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_calibration.cpp" line="68"/>
        <source>calibration word: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_calibration.cpp" line="72"/>
        <source>bandgap: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_commands.cpp" line="16"/>
        <source>board: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_commands.cpp" line="181"/>
        <source>model answer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_commands.cpp" line="184"/>
        <source>chip ID word: %1 (device ID %2, revision %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_commands.cpp" line="187"/>
        <source>chip: %1 matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_commands.cpp" line="188"/>
        <source>chip: %1 does not match (its ID is %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_commands.cpp" line="252"/>
        <source>interrupted: ending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_commands.cpp" line="262"/>
        <source>chip %1: %2; %3 passed, %4 failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_messages.h" line="13"/>
        <source>tessaro-cli: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_messages.h" line="14"/>
        <source>cannot write the log %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_messages.h" line="16"/>
        <source>interrupted: cancelling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="63"/>
        <source>unknown style %1 (Alder, Birch_A, Birch_B, Cedar or Elm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="72"/>
        <source>--id takes 1 to 8 hex digits, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="76"/>
        <source>--fuse takes LABEL=OPTION, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="86"/>
        <source>--calibration takes a byte or a calibration word, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="92"/>
        <source>--count takes a number of chips, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="94"/>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="118"/>
        <source>no command given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="121"/>
        <source>unknown command %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="123"/>
        <source>%1 takes one HEX file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="125"/>
        <source>%1 takes no file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="129"/>
        <source>--id and --fuse change the image of verify, program and auto only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="131"/>
        <source>--count belongs to auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="134"/>
        <source>serial numbers belong to program and auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="136"/>
        <source>--watch belongs to program on one board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="138"/>
        <source>--calibration belongs to program and auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="140"/>
        <source>--port auto finds one board: name each of several</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="142"/>
        <source>%1 takes one --port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="168"/>
        <source>%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="193"/>
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
  --watch         program: then wait for FILE to be rewritten (saved in place
                  or renamed onto) and program it again; Ctrl-C ends
  --trace         every state of the programmer and every byte on the line,
                  with the seconds since the start, on standard error

Serial numbers (program, auto):
  --serial START[:STEP]   a counter: decimal, or hex after 0x (STEP default 1)
  --serial-list FILE      the numbers to give out, one a line
  --serial-at rom:ADDR|eeprom:ADDR   where they go (ROM of 12/14-bit cores:
                          one RETLW per byte)
  --serial-bytes N        bytes of each number, 1 to 8 (default 4)
  --serial-order big|little   byte order (default big: most significant first)
  --serial-state FILE     where the counter stands (default: the log&apos;s name
                          with .serial added); each number is given out once

Exit codes:
  0  success
  1  the chip failed or was left alone: verify difference, not blank, a write
     error reported by the board, or a question answered No
  2  the board does not answer, answers wrongly, or the port cannot be used
  3  bad input: option, chip name, HEX file, chip file
  4  interrupted (Ctrl-C)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_ports.cpp" line="62"/>
        <source>no serial devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_ports.cpp" line="70"/>
        <source>  (not there)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_ports.cpp" line="99"/>
        <source>--port auto: no USB serial device and no network server in ports/</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_ports.cpp" line="109"/>
        <source>--port auto: no board greets on %1; choose one with --port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_ports.cpp" line="110"/>
        <source>--port auto: boards greet on more than one of %1; choose one with --port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_ports.cpp" line="118"/>
        <source>--port auto: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_report.cpp" line="61"/>
        <source>done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_report.cpp" line="63"/>
        <source>difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_report.cpp" line="65"/>
        <source>failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_report.cpp" line="67"/>
        <source>declined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_report.cpp" line="69"/>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_report.cpp" line="71"/>
        <source>no answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_report.cpp" line="73"/>
        <source>bad answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_report.cpp" line="75"/>
        <source>wrong board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_report.cpp" line="84"/>
        <location filename="../src/cli/gang.cpp" line="31"/>
        <source>refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_serial.cpp" line="20"/>
        <source>the serial list %1 has %2 numbers left, not %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_serial.cpp" line="41"/>
        <source>serial %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="56"/>
        <source>--help lists the commands and options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="89"/>
        <source>%1 needs --chip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="111"/>
        <source>no port %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="130"/>
        <source>the %1 cannot be erased</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="201"/>
        <source>no chip %1 in the chip file (`chips` lists them)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="237"/>
        <source>%1 holds no data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="262"/>
        <source>no fuse %1 on the %2 (it has none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="264"/>
        <source>no fuse %1 on the %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="276"/>
        <source>no option %1 for %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="292"/>
        <source>the %1 has no ID to set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="297"/>
        <source>the %1 takes an ID of %2 digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="307"/>
        <source>cannot open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="320"/>
        <source>the board is %1, not %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="329"/>
        <source>no programmer board greeting on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="340"/>
        <source>%1 boards have no ICSP mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="352"/>
        <source>%1 boards do not take the %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.h" line="23"/>
        <source>The chip&apos;s calibration word reads blank&#xd;Give its value with --calibration (from the log or the chip&apos;s label); the chip is left alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_watch.cpp" line="10"/>
        <source>cannot watch %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/cli_watch.cpp" line="21"/>
        <source>watching %1 (Ctrl-C ends)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/console_output.cpp" line="50"/>
        <source>error: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/console_output.cpp" line="54"/>
        <source>question: %1 -&gt; Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/console_output.cpp" line="54"/>
        <source>question: %1 -&gt; No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/gang.cpp" line="25"/>
        <source>ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/gang.cpp" line="27"/>
        <source>chip failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/gang.cpp" line="29"/>
        <source>board failed, set aside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/gang.cpp" line="33"/>
        <source>interrupted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/gang.cpp" line="35"/>
        <source>running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/gang.cpp" line="50"/>
        <source>chips %1  passed %2  failed %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/gang.cpp" line="127"/>
        <source>%1: %2 passed, %3 failed; %4 (exit code %5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/gang.cpp" line="129"/>
        <source>%1: %2 (exit code %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="35"/>
        <source>serial %1 does not fit in %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="79"/>
        <source>cannot lock the serial state %1.lock: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="109"/>
        <source>--serial takes START or START:STEP, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="113"/>
        <source>--serial-list takes a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="121"/>
        <source>--serial-at takes rom:ADDR or eeprom:ADDR, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="125"/>
        <source>--serial-bytes takes 1 to 8, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="130"/>
        <source>--serial-order takes big or little, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="142"/>
        <source>--serial-at and --serial-state need --serial or --serial-list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="144"/>
        <source>--serial and --serial-list exclude each other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="146"/>
        <source>serial numbers need --serial-at rom:ADDR or eeprom:ADDR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="148"/>
        <source>serial numbers need --serial-state FILE or --log FILE (the state goes beside it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="174"/>
        <source>the serial at %1 does not fit in the %2&apos;s program memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="175"/>
        <source>the serial at %1 does not fit in the %2&apos;s EEPROM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="184"/>
        <source>the serial at %1 would write over the program&apos;s own data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="215"/>
        <source>cannot read the serial list %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="225"/>
        <source>%1 line %2: not a serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="240"/>
        <source>cannot read the serial state %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="249"/>
        <source>the serial state %1 is not a counter&apos;s (next N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="250"/>
        <source>the serial state %1 is not a list&apos;s (taken N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="259"/>
        <source>the serial list %1 has no number left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="295"/>
        <source>the serial counter has run out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="300"/>
        <source>cannot write the serial state %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/fuses/calibration.cpp" line="7"/>
        <source>Invalid OSCAL value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/fuses/calibration.cpp" line="8"/>
        <source>Invalid BandGap value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/fuses/fuse_messages.h" line="7"/>
        <source>Please select a chip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/image/code_listing.h" line="21"/>
        <source>Sorting data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/image/hex_load.h" line="16"/>
        <source>Open HEX File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/image/hex_load.h" line="17"/>
        <source>Hex Files (*.hex);;All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/image/hex_load.h" line="18"/>
        <source>Error loading file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/image/hex_load.h" line="19"/>
        <source>Error in HEX file - line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/image/hex_load.h" line="20"/>
        <source>Error in HEX file - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/image/hex_load.h" line="21"/>
        <source>Expecting INHX32 file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/image/hex_load.h" line="23"/>
        <source>This data appears to be for a different core type&#xd;and may not function with the selected device.&#xd;&#xd;Data will be truncated. Continue loading?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/image/hex_save.h" line="16"/>
        <source>A problem occurred while trying to save the HEX file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/image/hex_save.h" line="17"/>
        <source>Nothing to save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/image/hex_save.h" line="18"/>
        <source>Saving...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/image/hex_save.h" line="19"/>
        <source>Program Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/image/hex_save.h" line="20"/>
        <source>Save HEX File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/image/hex_save.h" line="21"/>
        <source>HEX Files (*.hex);;All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/link/port_discovery.cpp" line="218"/>
        <source>built-in port (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/link/port_discovery.cpp" line="223"/>
        <source>USB serial device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/link/port_discovery.cpp" line="225"/>
        <source>%1 (%2:%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/link/port_discovery.cpp" line="226"/>
        <source>%1 (%2:%3, serial %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/link/port_discovery.cpp" line="231"/>
        <source>%1 is not there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/link/port_discovery.cpp" line="235"/>
        <source>You may not open %1: it belongs to the group %2.&#xd;You are in that group since your last log-in: log out and in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/link/port_discovery.cpp" line="238"/>
        <source>You may not open %1: it belongs to the group %2.&#xd;To fix it run: sudo adduser $USER %2&#xd;then log out and in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/link/port_discovery.cpp" line="246"/>
        <source>Latency timer %1 ms slows the board down. Lower it with:&#xd;echo %2 | sudo tee %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/link/port_map.cpp" line="67"/>
        <source>cannot write %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/link/port_map.cpp" line="76"/>
        <source>cannot replace %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/link/port_map.cpp" line="89"/>
        <source>  (no access)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/link/port_map.cpp" line="104"/>
        <source>%1  network serial server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/link/serial.cpp" line="13"/>
        <source>Baudrate is not valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/help_viewer_qt.cpp" line="134"/>
        <source>Tessaro Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/help_viewer_qt.cpp" line="139"/>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/help_viewer_qt.cpp" line="145"/>
        <source>Help document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/help_viewer_qt.cpp" line="146"/>
        <source>Tab moves from link to link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="18"/>
        <source>%1 = Not Erased</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="18"/>
        <source>%1 = Erased</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="48"/>
        <source>This will totally erase the chip.&#xd;&#xd;Do you wish to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="66"/>
        <source>Erase Check...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="132"/>
        <source>Blank results...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="149"/>
        <source>Blank Results: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="179"/>
        <source>Continue to erase and program this chip?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="180"/>
        <source>Continue to program this chip?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="208"/>
        <source>Keeping the chip&apos;s calibration 0x%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="219"/>
        <source>Calibration data from chip does not match new programming data&#xd;&#xd;Continue programming with new data?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="272"/>
        <source>Erase result...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="280"/>
        <source>Chip has been erased</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="283"/>
        <source>Error writing new Calibration and BandGap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="284"/>
        <source>Error writing new Calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="287"/>
        <source>Error writing new BandGap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/blocks.cpp" line="88"/>
        <source>ROM error at 0x%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/blocks.cpp" line="88"/>
        <source>EEPROM error at 0x%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="57"/>
        <source>Resetting Tessaro...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="93"/>
        <source>%1 board connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="99"/>
        <source>System matching...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="101"/>
        <source>Program mode = %1, connected board = %2.&#xd;&#xd;Will attempt to match the board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="112"/>
        <source>Reset error...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="113"/>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="115"/>
        <source>Reset failed. Please check...&#xd;&#xd;Communications port, currently [ %1 ]&#xd;Board connections and power&#xd;Mode =  [ %2 ], does your programmer board match this setting?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="124"/>
        <source>Comms Error...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="125"/>
        <source>The board is not responding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="127"/>
        <source>I2C Error...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="128"/>
        <source>I2C EEPROM is not responding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="130"/>
        <source>Function Error...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="131"/>
        <source>Function not supported by this programmer firmware.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="150"/>
        <source>Cannot use Auto Program Mode with serial EEPROMs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="154"/>
        <source>Cannot use Auto Program Mode when ICSP is enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="213"/>
        <source>Waiting for chip removal...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="233"/>
        <source>Waiting for chip insertion...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/engine.cpp" line="243"/>
        <source>EEPROM not responding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/engine.cpp" line="247"/>
        <source>Received data error.&#xd;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/engine.cpp" line="301"/>
        <source>Initializing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/engine.cpp" line="302"/>
        <source>Checking for %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/engine.cpp" line="322"/>
        <source>Chip ID is not supported for this device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/engine_messages.h" line="7"/>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/engine_messages.h" line="8"/>
        <source>Error...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/engine_messages.h" line="9"/>
        <source>Verify result...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/engine_messages.h" line="10"/>
        <source>Verifying EEPROM...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/engine_messages.h" line="11"/>
        <source>Erasing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/engine_messages.h" line="12"/>
        <source>Nothing to program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/engine_messages.h" line="14"/>
        <source>%1&#xd;&#xd;Good 0x%2&#xd;Bad 0x%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/engine_messages.h" line="16"/>
        <source>%1&#xd;About to apply reset...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/engine_messages.h" line="20"/>
        <source>The memory image does not hold the whole chip.&#xd;&#xd;Load a file or read the chip again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/handshake.cpp" line="51"/>
        <source>You are trying to connect to [ %1 ]&#xd;&#xd;Please select [ %2 ] to match your programmer board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/handshake.cpp" line="97"/>
        <source>Confirming...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/handshake.cpp" line="99"/>
        <source>The programmer does not recognise the [%1]&#xd;&#xd;Continue anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/handshake.cpp" line="126"/>
        <source>[%1]   Version %2&#xd;&#xd;Chip ID = %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="48"/>
        <source>WARNING!&#xd;&#xd;This device has code protection that cannot be erased.&#xd;Do you wish to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="79"/>
        <source>Upgrading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="82"/>
        <source>Programming ROM...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="124"/>
        <source>Programming error...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="128"/>
        <source>ROM programming error at address 0x%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="143"/>
        <source>Programming EEPROM...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="222"/>
        <source>Programming ID...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="225"/>
        <source>Programming config...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="244"/>
        <source>ID FUSE programming error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="246"/>
        <source>Programming result...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="250"/>
        <source>Programming complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="274"/>
        <source>Programming Fuse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="311"/>
        <source>Programming complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/read_verify.cpp" line="27"/>
        <source>Data file has changed.&#xd;&#xd;Do you wish to save it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/read_verify.cpp" line="48"/>
        <source>Nothing to verify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/read_verify.cpp" line="68"/>
        <source>Reading ROM...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/read_verify.cpp" line="97"/>
        <source>Reading EEPROM...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/read_verify.cpp" line="152"/>
        <source>Verifying ROM...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/read_verify.cpp" line="211"/>
        <source>Data verified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/read_verify.cpp" line="227"/>
        <source>ID error 0x20%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/protocol/read_verify.cpp" line="248"/>
        <source>Fuse error 0x%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
