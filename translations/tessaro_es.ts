<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Tessaro</name>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="16"/>
        <source>No serial device found. Plug in the programmer board and open this window again.</source>
        <translation>No se ha encontrado ningún dispositivo serie. Conecte el programador y vuelva a abrir esta ventana.</translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="22"/>
        <source>Assign Ports</source>
        <translation>Asignar puertos</translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="24"/>
        <source>&amp;Devices and network servers:</source>
        <translation>&amp;Dispositivos y servidores de red:</translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="28"/>
        <source>Devices and network servers</source>
        <translation>Dispositivos y servidores de red</translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="33"/>
        <source>About the chosen device</source>
        <translation>Sobre el dispositivo elegido</translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="37"/>
        <source>&amp;Use it as:</source>
        <translation>&amp;Usarlo como:</translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="41"/>
        <source>COM number</source>
        <translation>Número COM</translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="43"/>
        <source>&amp;Assign</source>
        <translation>&amp;Asignar</translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="45"/>
        <source>Assign</source>
        <translation>Asignar</translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="47"/>
        <location filename="../src/app/assign_ports_fm.cpp" line="49"/>
        <location filename="../src/platform/help_viewer_qt.cpp" line="141"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location filename="../src/app/assign_ports_fm.cpp" line="76"/>
        <source>COM%1  (now %2)</source>
        <translation>COM%1  (ahora %2)</translation>
    </message>
    <message>
        <location filename="../src/app/chip_editor_fm.cpp" line="15"/>
        <source>Chip list has changed.&#xd;&#xd;Save changes?</source>
        <translation>La lista de chips ha cambiado.&#xd;&#xd;¿Guardar los cambios?</translation>
    </message>
    <message>
        <location filename="../src/app/chip_editor_fm.cpp" line="29"/>
        <source>Chip Editor</source>
        <translation>Editor de chips</translation>
    </message>
    <message>
        <location filename="../src/app/chip_editor_fm.cpp" line="37"/>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location filename="../src/app/chip_editor_fm.cpp" line="39"/>
        <location filename="../src/app/main_window_menus.cpp" line="92"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location filename="../src/app/chip_editor_fm.cpp" line="51"/>
        <source>Chip list</source>
        <translation>Lista de chips</translation>
    </message>
    <message>
        <location filename="../src/app/chip_editor_fm.cpp" line="53"/>
        <source>Double-click, Space or Enter switches a chip on or off</source>
        <translation>Doble clic, Espacio o Intro activa o desactiva un chip</translation>
    </message>
    <message>
        <location filename="../src/app/chip_editor_fm.cpp" line="54"/>
        <source>Chip</source>
        <translation>Chip</translation>
    </message>
    <message>
        <location filename="../src/app/chip_editor_fm.cpp" line="54"/>
        <source>Included</source>
        <translation>Incluido</translation>
    </message>
    <message>
        <location filename="../src/app/commands_fm.cpp" line="27"/>
        <source>Tessaro %1&#xd;&#xd;Drives the Tessaro programmer boards for PIC microcontrollers and 24Cxx serial EEPROMs.&#xd;&#xd;Built with Qt %2.</source>
        <translation>Tessaro %1&#xd;&#xd;Controla los programadores Tessaro para microcontroladores PIC y EEPROM serie 24Cxx.&#xd;&#xd;Compilado con Qt %2.</translation>
    </message>
    <message>
        <location filename="../src/app/commands_fm.cpp" line="60"/>
        <source>ICSP</source>
        <translation>ICSP</translation>
    </message>
    <message>
        <location filename="../src/app/commands_fm.cpp" line="80"/>
        <source>Serial &amp;On</source>
        <translation>Activar puerto &amp;serie</translation>
    </message>
    <message>
        <location filename="../src/app/fuse_edit_fm.cpp" line="52"/>
        <source>FUSE Edit</source>
        <translation>Editar fusibles</translation>
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
        <translation>Por defecto</translation>
    </message>
    <message>
        <location filename="../src/app/fuse_edit_fm.cpp" line="100"/>
        <location filename="../src/app/osccal_fm.cpp" line="66"/>
        <location filename="../src/app/small_dialogs_fm.cpp" line="78"/>
        <location filename="../src/app/small_dialogs_fm.cpp" line="113"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location filename="../src/app/fuse_edit_fm.cpp" line="104"/>
        <location filename="../src/app/main_window_layout.cpp" line="228"/>
        <location filename="../src/app/osccal_fm.cpp" line="70"/>
        <location filename="../src/app/small_dialogs_fm.cpp" line="79"/>
        <location filename="../src/app/small_dialogs_fm.cpp" line="114"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../src/app/fuses_fm.cpp" line="15"/>
        <source>No OSCAL value in memory</source>
        <translation>No hay valor OSCAL en la memoria</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="35"/>
        <source>usage: tessaro [FILE.hex [CHIP]]
  FILE.hex   an Intel HEX file to open (its name ends in .hex)
  CHIP       the chip to select, when the chip list is the last session&apos;s
  --help     this text
  --version  the program&apos;s version
</source>
        <translation>uso: tessaro [ARCHIVO.hex [CHIP]]
  ARCHIVO.hex  un archivo Intel HEX que abrir (su nombre termina en .hex)
  CHIP         el chip que seleccionar, si la lista de chips es la de la
               última sesión
  --help       este texto
  --version    la versión del programa
</translation>
    </message>
    <message>
        <location filename="../src/app/main.cpp" line="41"/>
        <source>  --record FILE  write the board session down in FILE, every byte and line change (Help &gt; Record Session...)
</source>
        <translation>  --record ARCHIVO  grabar la sesión con la placa en ARCHIVO, cada byte y cada cambio de línea (Ayuda &gt; Grabar sesión...)
</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="25"/>
        <source>Chip Selector</source>
        <translation>Selector de chip</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="28"/>
        <source>Serial counter disabled</source>
        <translation>Contador de números de serie desactivado</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="135"/>
        <source>Code listing</source>
        <translation>Listado de memoria</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="139"/>
        <source>Code listing scroll bar</source>
        <translation>Barra de desplazamiento del listado</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="153"/>
        <source>Serial port</source>
        <translation>Puerto serie</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="155"/>
        <source>ICSP mode</source>
        <translation>Modo ICSP</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="157"/>
        <source>Automatic mode</source>
        <translation>Modo automático</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="161"/>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="165"/>
        <source>Checksum</source>
        <translation>Suma de comprobación</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="169"/>
        <location filename="../src/app/small_dialogs_fm.cpp" line="135"/>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="179"/>
        <source>Commands</source>
        <translation>Órdenes</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="184"/>
        <location filename="../src/app/main_window_menus.cpp" line="32"/>
        <source>&amp;Load</source>
        <translation>&amp;Cargar</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="184"/>
        <source>Load a file</source>
        <translation>Cargar un archivo</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="184"/>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="186"/>
        <location filename="../src/app/main_window_menus.cpp" line="33"/>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="186"/>
        <source>Save a file</source>
        <translation>Guardar un archivo</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="186"/>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="187"/>
        <source>Pro&amp;gram</source>
        <translation>P&amp;rogramar</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="187"/>
        <source>Program</source>
        <translation>Programar</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="190"/>
        <location filename="../src/app/main_window_menus.cpp" line="59"/>
        <location filename="../src/app/osccal_fm.cpp" line="74"/>
        <source>&amp;Read</source>
        <translation>&amp;Leer</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="190"/>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="191"/>
        <source>V&amp;erify</source>
        <translation>V&amp;erificar</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="191"/>
        <source>Verify</source>
        <translation>Verificar</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="193"/>
        <location filename="../src/app/main_window_menus.cpp" line="61"/>
        <source>&amp;Blank</source>
        <translation>Compro&amp;bar</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="193"/>
        <source>Blank test chip</source>
        <translation>Comprobación de borrado del chip</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="194"/>
        <source>Blank</source>
        <translation>Comprobación de borrado</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="195"/>
        <source>C&amp;ALIB</source>
        <translation>CAL&amp;IB</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="195"/>
        <source>Set/Read OSCAL</source>
        <translation>Fijar/leer OSCAL</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="196"/>
        <source>Calibration</source>
        <translation>Calibración</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="197"/>
        <location filename="../src/app/main_window_layout.cpp" line="197"/>
        <source>Fuses</source>
        <translation>Fusibles</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="199"/>
        <location filename="../src/app/main_window_menus.cpp" line="63"/>
        <location filename="../src/app/view_fm.cpp" line="111"/>
        <source>Ru&amp;n</source>
        <translation>E&amp;jecutar</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="199"/>
        <source>Run user code</source>
        <translation>Ejecutar el código de usuario</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="199"/>
        <source>Run</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="206"/>
        <source>Socket picture</source>
        <translation>Imagen del zócalo</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="212"/>
        <source>Board variant</source>
        <translation>Variante de placa</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="224"/>
        <source>Chip type</source>
        <translation>Tipo de chip</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_layout.cpp" line="228"/>
        <location filename="../src/app/main_window_menus.cpp" line="64"/>
        <source>&amp;Cancel</source>
        <translation>Ca&amp;ncelar</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="13"/>
        <source>Recent &amp;Files</source>
        <translation>Archivos &amp;recientes</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="14"/>
        <source>&amp;About Tessaro</source>
        <translation>&amp;Acerca de Tessaro</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="31"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="34"/>
        <source>&amp;Merge</source>
        <translation>Co&amp;mbinar</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="40"/>
        <source>P&amp;rogrammer Style</source>
        <translation>&amp;Tipo de programador</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="45"/>
        <source>&amp;Port</source>
        <translation>&amp;Puerto</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="46"/>
        <source>&amp;Assign Ports...</source>
        <translation>&amp;Asignar puertos...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="49"/>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="57"/>
        <source>&amp;Programmer</source>
        <translation>&amp;Programador</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="58"/>
        <location filename="../src/app/small_dialogs_fm.cpp" line="129"/>
        <source>&amp;Program</source>
        <translation>P&amp;rogramar</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="60"/>
        <location filename="../src/app/small_dialogs_fm.cpp" line="131"/>
        <source>&amp;Verify</source>
        <translation>V&amp;erificar</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="62"/>
        <source>&amp;OSCAL</source>
        <translation>&amp;OSCAL</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="67"/>
        <source>&amp;User</source>
        <translation>Modo &amp;usuario</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="71"/>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="72"/>
        <source>&amp;Edit Chip List</source>
        <translation>&amp;Editar lista de chips</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="73"/>
        <source>Run &amp;Warning</source>
        <translation>&amp;Aviso al ejecutar</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="74"/>
        <source>Read Chip &amp;Info</source>
        <translation>Leer &amp;info del chip</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="75"/>
        <source>Rese&amp;t Programmer</source>
        <translation>&amp;Reiniciar programador</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="76"/>
        <source>Ignore &amp;Blank Check</source>
        <translation>&amp;Omitir comprobación de borrado</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="77"/>
        <source>Fl&amp;y Window</source>
        <translation>&amp;Ventana flotante</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="79"/>
        <source>&amp;Advise Newer File Load</source>
        <translation>Recargar archivo &amp;modificado</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="81"/>
        <source>&amp;Upgrade</source>
        <translation>Act&amp;ualizar firmware</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="82"/>
        <source>I&amp;CSP Mode</source>
        <translation>Modo I&amp;CSP</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="83"/>
        <source>Auto &amp;Program</source>
        <translation>&amp;Programación automática</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="87"/>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="88"/>
        <source>&amp;Disassembly</source>
        <translation>&amp;Desensamblado</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="89"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="93"/>
        <location filename="../src/platform/help_viewer_qt.cpp" line="138"/>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="95"/>
        <source>&amp;Record Session...</source>
        <translation>&amp;Grabar sesión...</translation>
    </message>
    <message>
        <location filename="../src/app/messages.h" line="7"/>
        <source>Double click to change port</source>
        <translation>Doble clic para cambiar el puerto</translation>
    </message>
    <message>
        <location filename="../src/app/messages.h" line="9"/>
        <source>Serial &amp;Off</source>
        <translation>Desactivar puerto &amp;serie</translation>
    </message>
    <message>
        <location filename="../src/app/messages.h" line="12"/>
        <source>Program chip</source>
        <translation>Programar el chip</translation>
    </message>
    <message>
        <location filename="../src/app/messages.h" line="13"/>
        <source>Verify chip</source>
        <translation>Verificar el chip</translation>
    </message>
    <message>
        <location filename="../src/app/messages.h" line="14"/>
        <source>Read chip</source>
        <translation>Leer el chip</translation>
    </message>
    <message>
        <location filename="../src/app/osccal_fm.cpp" line="18"/>
        <source>You are about to insert the calibration data into the HEX file.&#xd;&#xd;Continue?</source>
        <translation>Va a insertar los datos de calibración en el archivo HEX.&#xd;&#xd;¿Continuar?</translation>
    </message>
    <message>
        <location filename="../src/app/osccal_fm.cpp" line="44"/>
        <source>OSCAL</source>
        <translation>OSCAL</translation>
    </message>
    <message>
        <location filename="../src/app/osccal_fm.cpp" line="49"/>
        <source>OSCAL Value</source>
        <translation>Valor OSCAL</translation>
    </message>
    <message>
        <location filename="../src/app/osccal_fm.cpp" line="52"/>
        <source>Calibration instruction</source>
        <translation>Instrucción de calibración</translation>
    </message>
    <message>
        <location filename="../src/app/osccal_fm.cpp" line="54"/>
        <source>Two hex digits</source>
        <translation>Dos dígitos hexadecimales</translation>
    </message>
    <message>
        <location filename="../src/app/osccal_fm.cpp" line="56"/>
        <source>Bandgap</source>
        <translation>Bandgap</translation>
    </message>
    <message>
        <location filename="../src/app/osccal_fm.cpp" line="58"/>
        <source>Bits 13 and 12, 1 or 0 each</source>
        <translation>Bits 13 y 12, 1 o 0 cada uno</translation>
    </message>
    <message>
        <location filename="../src/app/record_session_fm.cpp" line="21"/>
        <source>Session recordings (*.jsonl)</source>
        <translation>Grabaciones de sesión (*.jsonl)</translation>
    </message>
    <message>
        <location filename="../src/app/record_session_fm.cpp" line="67"/>
        <source>Cannot write the recording %1: %2</source>
        <translation>No se puede escribir la grabación %1: %2</translation>
    </message>
    <message>
        <location filename="../src/app/record_session_fm.cpp" line="99"/>
        <source>Record Session</source>
        <translation>Grabar sesión</translation>
    </message>
    <message>
        <location filename="../src/app/small_dialogs_fm.cpp" line="17"/>
        <source>Invalid port value</source>
        <translation>Valor de puerto no válido</translation>
    </message>
    <message>
        <location filename="../src/app/small_dialogs_fm.cpp" line="68"/>
        <source>Serial Port Change</source>
        <translation>Cambio de puerto serie</translation>
    </message>
    <message>
        <location filename="../src/app/small_dialogs_fm.cpp" line="70"/>
        <source>Enter Port Value</source>
        <translation>Número de puerto</translation>
    </message>
    <message>
        <location filename="../src/app/small_dialogs_fm.cpp" line="75"/>
        <source>COM port number, 1 to 9</source>
        <translation>Número de puerto COM, de 1 a 9</translation>
    </message>
    <message>
        <location filename="../src/app/small_dialogs_fm.cpp" line="104"/>
        <source>Erase</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <location filename="../src/app/small_dialogs_fm.cpp" line="106"/>
        <source>Erase Check</source>
        <translation>Comprobación de borrado</translation>
    </message>
    <message>
        <location filename="../src/app/small_dialogs_fm.cpp" line="110"/>
        <source>Erase Chip</source>
        <translation>Borrar el chip</translation>
    </message>
    <message>
        <location filename="../src/app/view_fm.cpp" line="139"/>
        <source>Checksum as the chip maker&apos;s programming tools show it</source>
        <translation>Suma de comprobación tal como la muestran las herramientas de programación del fabricante del chip</translation>
    </message>
    <message>
        <location filename="../src/app/view_fm.cpp" line="176"/>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <location filename="../src/chipdb/chip_list.h" line="17"/>
        <source>Chip configuration file is missing or contains no data</source>
        <translation>El archivo de chips falta o no contiene datos</translation>
    </message>
    <message>
        <location filename="../src/chipdb/chip_list.h" line="19"/>
        <source>Chip configuration file contains syntax errors.&#xd;&#xd;%1</source>
        <translation>El archivo de chips contiene errores de sintaxis.&#xd;&#xd;%1</translation>
    </message>
    <message>
        <location filename="../src/chipdb/chip_list.h" line="21"/>
        <source>Chip configuration file contains no chip information</source>
        <translation>El archivo de chips no contiene información de chips</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_calibration.cpp" line="17"/>
        <source>the %1 has no calibration word</source>
        <translation>el %1 no tiene palabra de calibración</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_calibration.cpp" line="47"/>
        <source>calibration word: %1 (blank)</source>
        <translation>palabra de calibración: %1 (en blanco)</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_calibration.cpp" line="48"/>
        <source>calibration word: %1</source>
        <translation>palabra de calibración: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_calibration.cpp" line="52"/>
        <source>bandgap: %1</source>
        <translation>bandgap: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_commands.cpp" line="18"/>
        <source>board: %1</source>
        <translation>placa: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_commands.cpp" line="145"/>
        <source>the %1 cannot be erased</source>
        <translation>el %1 no se puede borrar</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_commands.cpp" line="242"/>
        <source>checksum when blank: %1</source>
        <translation>suma de comprobación en blanco: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_commands.cpp" line="244"/>
        <source>model answer: %1</source>
        <translation>respuesta del modelo: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_commands.cpp" line="247"/>
        <source>chip ID word: %1 (device ID %2, revision %3)</source>
        <translation>palabra de ID del chip: %1 (ID de dispositivo %2, revisión %3)</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_commands.cpp" line="250"/>
        <source>chip: %1 matches</source>
        <translation>chip: %1 coincide</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_commands.cpp" line="251"/>
        <source>chip: %1 does not match (its ID is %2)</source>
        <translation>chip: %1 no coincide (su ID es %2)</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_commands.cpp" line="257"/>
        <source>chip in socket: none of the chip file has device ID %1</source>
        <translation>chip en el zócalo: ningún chip del archivo de chips tiene el ID de dispositivo %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_commands.cpp" line="259"/>
        <source>chip in socket: %1</source>
        <translation>chip en el zócalo: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_commands.cpp" line="317"/>
        <source>interrupted: ending</source>
        <translation>interrumpido: terminando</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_commands.cpp" line="327"/>
        <source>chip %1: %2; %3 passed, %4 failed</source>
        <translation>chip %1: %2; %3 correctos, %4 fallidos</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_disasm.cpp" line="47"/>
        <source>the %1 holds no code</source>
        <translation>el %1 no contiene código</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_messages.h" line="13"/>
        <source>tessaro-cli: %1</source>
        <translation>tessaro-cli: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_messages.h" line="14"/>
        <source>cannot write the log %1</source>
        <translation>no se puede escribir el registro %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_messages.h" line="16"/>
        <source>refused</source>
        <translation>denegado</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_messages.h" line="18"/>
        <source>--count takes a number of chips, not %1</source>
        <translation>--count admite un número de chips, no %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_messages.h" line="19"/>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_messages.h" line="20"/>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_messages.h" line="21"/>
        <source>interrupted: cancelling</source>
        <translation>interrumpido: cancelando</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_messages.h" line="24"/>
        <source>checksum: %1</source>
        <translation>suma de comprobación: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="44"/>
        <source>unknown style %1 (Alder, Birch_A, Birch_B, Cedar or Elm)</source>
        <translation>tipo desconocido %1 (Alder, Birch_A, Birch_B, Cedar o Elm)</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="53"/>
        <source>--id takes 1 to 8 hex digits, not %1</source>
        <translation>--id admite de 1 a 8 dígitos hexadecimales, no %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="57"/>
        <source>--fuse takes LABEL=OPTION, not %1</source>
        <translation>--fuse admite ETIQUETA=OPCIÓN, no %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="67"/>
        <source>--calibration takes a byte or a calibration word, not %1</source>
        <translation>--calibration admite un byte o una palabra de calibración, no %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="75"/>
        <source>--export takes spy, not %1</source>
        <translation>--export admite spy, no %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="109"/>
        <source>no command given</source>
        <translation>no se ha indicado ninguna orden</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="112"/>
        <source>unknown command %1</source>
        <translation>orden desconocida %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="115"/>
        <source>%1 takes one HEX file</source>
        <translation>%1 necesita exactamente un archivo HEX</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="117"/>
        <source>%1 takes no file</source>
        <translation>%1 no admite ningún archivo</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="119"/>
        <source>--id and --fuse change the image of verify, program and auto only</source>
        <translation>--id y --fuse solo cambian la imagen de verify, program y auto</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="121"/>
        <source>--count belongs to auto</source>
        <translation>--count solo se usa con auto</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="124"/>
        <source>serial numbers belong to program and auto</source>
        <translation>los números de serie solo se usan con program y auto</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="126"/>
        <source>--watch belongs to program on one board</source>
        <translation>--watch solo se usa con program en una placa</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="128"/>
        <source>--calibration belongs to program and auto</source>
        <translation>--calibration solo se usa con program y auto</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="130"/>
        <source>--disasm belongs to read</source>
        <translation>--disasm solo se usa con read</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="134"/>
        <source>%1 reads a file, not a board</source>
        <translation>%1 lee un archivo, no una placa</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="136"/>
        <source>--port auto finds one board: name each of several</source>
        <translation>--port auto encuentra una placa: indique cada una si son varias</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_options.cpp" line="138"/>
        <source>%1 takes one --port</source>
        <translation>%1 solo admite un --port</translation>
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
        <translation>uso: tessaro-cli [opciones] ORDEN [ARCHIVO]

Órdenes:
  info            modelo de la placa y, con --chip, la palabra de ID y la
                  revisión del chip
  chips           los chips que ofrece el archivo de chips para el tipo, uno
                  por línea
  ports           los dispositivos serie de esta máquina y los COMn que
                  nombra ports/, con su destino
  blank           comprobar si el chip está borrado
  erase           borrar el chip (pregunta antes: añada --yes)
  read ARCHIVO    leer el chip en un archivo HEX
  verify ARCHIVO  comparar el chip con un archivo HEX
  program ARCHIVO programar un archivo HEX en el chip, comprobado al escribir
  auto ARCHIVO    programar chip tras chip a medida que se insertan
  calibration     la palabra de calibración de fábrica del chip (y los bits
                  bandgap)
  disasm ARCHIVO  la memoria de programa de un archivo HEX como instrucciones,
                  y sus palabras de configuración por sus opciones (sin placa)
  checksum ARCHIVO  la suma de comprobación de un archivo HEX como la muestran
                  las herramientas del fabricante (con --chip; sin placa)
  upgrade ARCHIVO   el firmware propio de la placa desde su imagen de
                  actualización ARCHIVO en un 16F628 del zócalo (pregunta
                  antes: añada --yes)

Opciones:
  --port PUERTO   COM1..COM9 (a través de ports/ de la carpeta del programa),
                  un dispositivo como /dev/ttyUSB0, rfc2217://HOST:PUERTO (por
                  defecto COM1), o auto: el único dispositivo serie USB o, si
                  hay varios, aquel en el que saluda una placa tras un
                  reinicio; repítala para varias placas (auto, program,
                  verify, blank, erase): la orden se ejecuta en todas a la vez
  --style NOMBRE  Alder, Birch_A, Birch_B, Cedar o Elm
                  (por defecto: el tipo que anuncia la placa)
  --chip NOMBRE   el tipo de chip, como lo muestra `chips`
  --cid ARCHIVO   el archivo de chips (por defecto: chipinfo.cid en la carpeta
                  del programa)
  --icsp          programar en circuito (placas Birch_A, Birch_B y Cedar)
  --ignore-blank-check  dejar sin tocar, sin preguntar, un chip no borrado
  --id HEX        los dígitos de ID que programar o verificar
  --fuse ETIQUETA=OPCIÓN   una opción de fusible como la nombra el editor de
                  fusibles (repetible)
  --yes           responder Sí a las preguntas del programa (sin ella: No)
  --quiet         solo errores, preguntas y resultados en la salida de error
  --json          un objeto JSON por resultado en la salida estándar
  --log ARCHIVO   añadir una línea JSON por chip a un registro de producción
  --calibration VALOR   program, auto: la calibración para un chip cuya
                  palabra de calibración está en blanco (un byte o la palabra,
                  como la muestra el registro); sin ella ese chip no se toca
  --count N       auto: parar tras N chips (en cada placa)
  --help          este texto
  --version       la versión del programa
  --disasm        read: mostrar también lo leído como instrucciones
  --watch         program: después esperar a que ARCHIVO se reescriba
                  (guardado en su sitio o renombrado encima) y programarlo de
                  nuevo; Ctrl-C termina
  --trace         cada estado del programador y cada byte de la línea,
                  con los segundos desde el inicio, en la salida de error

Números de serie (program, auto):
  --serial INICIO[:PASO]  un contador: decimal, o hexadecimal tras 0x
                          (PASO por defecto 1)
  --serial-list ARCHIVO   los números que repartir, uno por línea; o un
                          archivo SQTP (.num): cada registro donde dice
  --serial-at rom:DIR|eeprom:DIR   dónde van (ROM de núcleos de 12/14 bits:
                          un RETLW por byte)
  --serial-bytes N        bytes de cada número, de 1 a 8 (por defecto 4)
  --serial-order big|little   orden de bytes (por defecto big: el más
                          significativo primero)
  --serial-state ARCHIVO  dónde está el contador (por defecto: el nombre del
                          registro con .serial añadido); cada número se
                          reparte una sola vez
  --serial-store URI      el almacén PostgreSQL de la línea en lugar del archivo
                          de estado (postgresql://HOST/DB, o TESSARO_SERIAL_STORE):
                          números y resultados de todas las estaciones en una base
  --serial-series NOMBRE  la serie del almacén (por defecto: default), iniciada
                          por --serial o --serial-list en su primer uso
  --station NOMBRE        el nombre de esta estación en el almacén (por defecto:
                          el nombre del equipo)
  --serial-reuse-failed   el número de un chip fallido pasa al chip siguiente
                          (por defecto: se anula)

El almacén de la línea (tessaro-cli serials SUBORDEN, con --serial-store):
  init            crear o actualizar las tablas del almacén
  status          por serie: next, given, done, failed, voided, interrupted, open
  report          por estación y placa: chips, passed, failed, yield (--csv)
  find NÚMERO     la fila de ese número
  close-stale --station NOMBRE   cerrar lo que dejó abierto una estación muerta
  export-sqtp ARCHIVO   los números sin usar de la serie como archivo SQTP
                  (--chip, --serial-at, --serial-bytes, --serial-order, --count)

Códigos de salida:
  0  éxito
  1  el chip falló o no se tocó: diferencia al verificar, no borrado, un error
     de escritura informado por la placa, o una pregunta respondida No
  2  la placa no responde, responde mal, o no se puede usar el puerto;
     o no se alcanza el almacén de números de serie o rechaza el rol de la estación
  3  entrada errónea: opción, nombre de chip, archivo HEX, archivo de chips, dirección
     del almacén de números de serie
  4  interrumpido (Ctrl-C)
</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_ports.cpp" line="61"/>
        <source>no serial devices</source>
        <translation>no hay dispositivos serie</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_ports.cpp" line="69"/>
        <source>  (not there)</source>
        <translation>  (no existe)</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_ports.cpp" line="84"/>
        <source>--port auto: no USB serial device and no network server in ports/</source>
        <translation>--port auto: ningún dispositivo serie USB ni servidor de red en ports/</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_ports.cpp" line="97"/>
        <source>--port auto: no board greets on %1; choose one with --port</source>
        <translation>--port auto: ninguna placa saluda en %1; elija un puerto con --port</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_ports.cpp" line="98"/>
        <source>--port auto: boards greet on more than one of %1; choose one with --port</source>
        <translation>--port auto: hay placas que saludan en más de uno de %1; elija uno con --port</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_ports.cpp" line="106"/>
        <source>--port auto: %1</source>
        <translation>--port auto: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_record.cpp" line="92"/>
        <source>cannot write the recording %1: %2</source>
        <translation>no se puede escribir la grabación %1: %2</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_replay.cpp" line="78"/>
        <source>difference: line %1, state %2 %3: the recording has %4, the program sent %5</source>
        <translation>diferencia: línea %1, estado %2 %3: la grabación tiene %4, el programa envió %5</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_replay.cpp" line="86"/>
        <source>same up to line %1, where the recording is cut short</source>
        <translation>igual hasta la línea %1, donde la grabación se corta</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_replay.cpp" line="89"/>
        <source>same</source>
        <translation>igual</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_replay.cpp" line="147"/>
        <source>--record belongs to the commands that talk to a board</source>
        <translation>--record solo se usa con las órdenes que hablan con una placa</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_replay.cpp" line="149"/>
        <source>--fast, --file and --export belong to replay</source>
        <translation>--fast, --file y --export solo se usan con replay</translation>
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
Grabaciones:
  --record ARCHIVO  grabar la sesión en ARCHIVO, cada byte en cada sentido y
                  cada cambio de línea (JSON Lines); con varias placas un
                  archivo por placa, con el puerto en el nombre. Contiene el
                  programa escrito en el chip.
  replay ARCHIVO  repetir la operación grabada contra la placa de la
                  grabación (sin placa ni puerto): same (salida 0) o la
                  primera diferencia, su línea, lo esperado y lo encontrado
                  (salida 1)
  --fast          replay: tan rápido como se pueda, no al ritmo grabado
  --file HEX      replay: este archivo HEX en lugar del grabado (su SHA-256
                  debe coincidir)
  --export spy    replay: escribir la grabación en el formato spy de pyserial
</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_replay.cpp" line="175"/>
        <source>cannot replay %1: %2</source>
        <translation>no se puede repetir %1: %2</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_replay.cpp" line="184"/>
        <source>%1 names no operation on a board to replay</source>
        <translation>%1 no nombra ninguna operación en una placa que repetir</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_replay.cpp" line="191"/>
        <source>%1 records program --watch: the files saved after its first program are not in it, so it cannot be replayed (tessaro-boardsim --check checks it)</source>
        <translation>%1 registra program --watch: los archivos guardados tras su primera programación no están en él, así que no se puede repetir (tessaro-boardsim --check lo comprueba)</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_replay.cpp" line="206"/>
        <source>%1 is not the HEX file of the recording (its SHA-256 differs)</source>
        <translation>%1 no es el archivo HEX de la grabación (su SHA-256 es otro)</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_report.cpp" line="65"/>
        <source>done</source>
        <translation>hecho</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_report.cpp" line="67"/>
        <source>difference</source>
        <translation>diferencia</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_report.cpp" line="69"/>
        <source>failed</source>
        <translation>fallido</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_report.cpp" line="71"/>
        <source>declined</source>
        <translation>rechazado</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_report.cpp" line="73"/>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_report.cpp" line="75"/>
        <source>no answer</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_report.cpp" line="77"/>
        <source>bad answer</source>
        <translation>respuesta errónea</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_report.cpp" line="79"/>
        <source>wrong board</source>
        <translation>placa equivocada</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_serial.cpp" line="60"/>
        <source>serial %1</source>
        <translation>número de serie %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_serials.cpp" line="58"/>
        <source>serials takes init, status, report, find SERIAL, close-stale or export-sqtp FILE</source>
        <translation>serials admite init, status, report, find NÚMERO, close-stale o export-sqtp ARCHIVO</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_serials.cpp" line="64"/>
        <source>serials needs --serial-store URI (or TESSARO_SERIAL_STORE)</source>
        <translation>serials necesita --serial-store URI (o TESSARO_SERIAL_STORE)</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_serials.cpp" line="123"/>
        <source>find takes a serial number, not %1</source>
        <translation>find admite un número de serie, no %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_serials.cpp" line="129"/>
        <source>no chip has the serial number %1</source>
        <translation>ningún chip tiene el número de serie %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_serials.cpp" line="148"/>
        <source>the serial store&apos;s schema: version %1, was %2</source>
        <translation>esquema del almacén de números de serie: versión %1, era %2</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_serials.cpp" line="161"/>
        <source>%1 reservations of %2 closed as interrupted</source>
        <translation>%1 reservas de %2 cerradas como interrumpidas</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_serials.cpp" line="173"/>
        <source>serials cannot %1 (init, status, report, find SERIAL, close-stale --station NAME, export-sqtp FILE)</source>
        <translation>serials no sabe %1 (init, status, report, find NÚMERO, close-stale --station NOMBRE, export-sqtp ARCHIVO)</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="59"/>
        <source>--help lists the commands and options</source>
        <translation>--help muestra las órdenes y opciones</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="93"/>
        <source>%1 needs --chip</source>
        <translation>%1 necesita --chip</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="112"/>
        <source>no port %1</source>
        <translation>no existe el puerto %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="157"/>
        <source>no chip %1 in the chip file (`chips` lists them)</source>
        <translation>no hay ningún chip %1 en el archivo de chips (`chips` los muestra)</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="170"/>
        <source>%1 holds no data</source>
        <translation>%1 no contiene datos</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="197"/>
        <source>no fuse %1 on the %2 (it has none)</source>
        <translation>no hay fusible %1 en el %2 (no tiene ninguno)</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="198"/>
        <source>no fuse %1 on the %2 (%3)</source>
        <translation>no hay fusible %1 en el %2 (%3)</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="202"/>
        <source>no option %1 for %2 (%3)</source>
        <translation>no hay opción %1 para %2 (%3)</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="217"/>
        <source>the %1 has no ID to set</source>
        <translation>el %1 no tiene ID que fijar</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="220"/>
        <source>the %1 takes an ID of %2 digits</source>
        <translation>el %1 admite un ID de %2 dígitos</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="237"/>
        <source>cannot open %1: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="242"/>
        <source>the board is %1, not %2</source>
        <translation>la placa es %1, no %2</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="247"/>
        <source>no programmer board greeting on %1</source>
        <translation>ningún programador saluda en %1</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="259"/>
        <source>%1 boards have no ICSP mode</source>
        <translation>las placas %1 no tienen modo ICSP</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_session.cpp" line="267"/>
        <source>%1 boards do not take the %2</source>
        <translation>las placas %1 no admiten el %2</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_upgrade.cpp" line="14"/>
        <source>upgrade programs the board&apos;s own %1: it takes no --chip</source>
        <translation>upgrade programa el %1 propio de la placa: no admite --chip</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_watch.cpp" line="10"/>
        <source>cannot watch %1: %2</source>
        <translation>no se puede vigilar %1: %2</translation>
    </message>
    <message>
        <location filename="../src/cli/cli_watch.cpp" line="20"/>
        <source>watching %1 (Ctrl-C ends)</source>
        <translation>vigilando %1 (Ctrl-C termina)</translation>
    </message>
    <message>
        <location filename="../src/cli/console_output.cpp" line="50"/>
        <source>error: %1</source>
        <translation>error: %1</translation>
    </message>
    <message>
        <location filename="../src/cli/console_output.cpp" line="54"/>
        <source>question: %1 -&gt; Yes</source>
        <translation>pregunta: %1 -&gt; Sí</translation>
    </message>
    <message>
        <location filename="../src/cli/console_output.cpp" line="54"/>
        <source>question: %1 -&gt; No</source>
        <translation>pregunta: %1 -&gt; No</translation>
    </message>
    <message>
        <location filename="../src/cli/gang.cpp" line="22"/>
        <source>ok</source>
        <translation>correcto</translation>
    </message>
    <message>
        <location filename="../src/cli/gang.cpp" line="24"/>
        <source>chip failed</source>
        <translation>chip fallido</translation>
    </message>
    <message>
        <location filename="../src/cli/gang.cpp" line="26"/>
        <source>board failed, set aside</source>
        <translation>placa fallida, apartada</translation>
    </message>
    <message>
        <location filename="../src/cli/gang.cpp" line="30"/>
        <source>interrupted</source>
        <translation>interrumpido</translation>
    </message>
    <message>
        <location filename="../src/cli/gang.cpp" line="32"/>
        <source>running</source>
        <translation>en marcha</translation>
    </message>
    <message>
        <location filename="../src/cli/gang.cpp" line="47"/>
        <source>chips %1  passed %2  failed %3</source>
        <translation>chips %1  correctos %2  fallidos %3</translation>
    </message>
    <message>
        <location filename="../src/cli/gang.cpp" line="123"/>
        <source>%1: %2 passed, %3 failed; %4 (exit code %5)</source>
        <translation>%1: %2 correctos, %3 fallidos; %4 (código de salida %5)</translation>
    </message>
    <message>
        <location filename="../src/cli/gang.cpp" line="125"/>
        <source>%1: %2 (exit code %3)</source>
        <translation>%1: %2 (código de salida %3)</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="63"/>
        <source>cannot lock the serial state %1.lock: %2</source>
        <translation>no se puede bloquear el estado de los números de serie %1.lock: %2</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="92"/>
        <source>--serial takes START or START:STEP, not %1</source>
        <translation>--serial admite INICIO o INICIO:PASO, no %1</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="97"/>
        <source>--serial-list takes a file</source>
        <translation>--serial-list admite un archivo</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="105"/>
        <source>--serial-at takes rom:ADDR or eeprom:ADDR, not %1</source>
        <translation>--serial-at admite rom:DIR o eeprom:DIR, no %1</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="109"/>
        <source>--serial-bytes takes 1 to 8, not %1</source>
        <translation>--serial-bytes admite de 1 a 8, no %1</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="114"/>
        <source>--serial-order takes big or little, not %1</source>
        <translation>--serial-order admite big o little, no %1</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="120"/>
        <source>%1 takes a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="129"/>
        <source>--serial-series and --station belong to --serial-store</source>
        <translation>--serial-series y --station van con --serial-store</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="132"/>
        <source>--serial-at and --serial-state need --serial or --serial-list</source>
        <translation>--serial-at y --serial-state necesitan --serial o --serial-list</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="134"/>
        <source>--serial and --serial-list exclude each other</source>
        <translation>--serial y --serial-list se excluyen mutuamente</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="136"/>
        <source>an SQTP file says where its records go: no --serial-at with it</source>
        <translation>un archivo SQTP dice dónde van sus registros: sin --serial-at con él</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="138"/>
        <source>serial numbers need --serial-at rom:ADDR or eeprom:ADDR</source>
        <translation>los números de serie necesitan --serial-at rom:DIR o eeprom:DIR</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="140"/>
        <source>serial numbers need --serial-state FILE or --log FILE (the state goes beside it)</source>
        <translation>los números de serie necesitan --serial-state ARCHIVO o --log ARCHIVO (el estado va a su lado)</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="167"/>
        <source>the serial at %1 does not fit in the %2&apos;s program memory</source>
        <translation>el número de serie en %1 no cabe en la memoria de programa del %2</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="168"/>
        <source>the serial at %1 does not fit in the %2&apos;s EEPROM</source>
        <translation>el número de serie en %1 no cabe en la EEPROM del %2</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="177"/>
        <source>the serial at %1 would write over the program&apos;s own data</source>
        <translation>el número de serie en %1 sobrescribiría datos del propio programa</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="204"/>
        <source>serial %1 does not fit in 1 byte</source>
        <translation>el número de serie %1 no cabe en 1 byte</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="205"/>
        <source>serial %1 does not fit in %2 bytes</source>
        <translation>el número de serie %1 no cabe en %2 bytes</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="212"/>
        <source>cannot read the serial list %1</source>
        <translation>no se puede leer la lista de números de serie %1</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="231"/>
        <source>%1 line %2: not a serial number</source>
        <translation>%1 línea %2: no es un número de serie</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="253"/>
        <source>cannot read the serial state %1</source>
        <translation>no se puede leer el estado de los números de serie %1</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="262"/>
        <source>the serial state %1 is not a counter&apos;s (next N)</source>
        <translation>el estado de los números de serie %1 no es de un contador (next N)</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="263"/>
        <source>the serial state %1 is not a list&apos;s (taken N)</source>
        <translation>el estado de los números de serie %1 no es de una lista (taken N)</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="272"/>
        <source>the serial list %1 has no number left</source>
        <translation>a la lista de números de serie %1 no le quedan números</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="308"/>
        <source>the serial counter has run out</source>
        <translation>el contador de números de serie se ha agotado</translation>
    </message>
    <message>
        <location filename="../src/cli/serial_numbers.cpp" line="313"/>
        <source>cannot write the serial state %1: %2</source>
        <translation>no se puede escribir el estado de los números de serie %1: %2</translation>
    </message>
    <message>
        <location filename="../src/cli/sqtp_export.cpp" line="73"/>
        <source>export-sqtp needs --chip and --serial-at</source>
        <translation>export-sqtp necesita --chip y --serial-at</translation>
    </message>
    <message>
        <location filename="../src/cli/sqtp_export.cpp" line="96"/>
        <source>%1 numbers written to %2</source>
        <translation>%1 números escritos en %2</translation>
    </message>
    <message>
        <location filename="../src/cli/station_serials.cpp" line="127"/>
        <source>the serial store is back</source>
        <translation>el almacén de números de serie ha vuelto</translation>
    </message>
    <message>
        <location filename="../src/cli/station_serials.cpp" line="147"/>
        <source>waiting for the serial store</source>
        <translation>esperando al almacén de números de serie</translation>
    </message>
    <message>
        <location filename="../src/cli/station_serials.cpp" line="148"/>
        <source>%1; results wait in the journal, no new chip until the serial store is back</source>
        <translation>%1; los resultados esperan en el diario, ningún chip nuevo hasta que vuelva el almacén de números de serie</translation>
    </message>
    <message>
        <location filename="../src/fuses/calibration.cpp" line="7"/>
        <source>Invalid OSCAL value</source>
        <translation>Valor OSCAL no válido</translation>
    </message>
    <message>
        <location filename="../src/fuses/calibration.cpp" line="8"/>
        <source>Invalid BandGap value</source>
        <translation>Valor de bandgap no válido</translation>
    </message>
    <message>
        <location filename="../src/fuses/fuse_explain.cpp" line="29"/>
        <source>no option (%1)</source>
        <translation>ninguna opción (%1)</translation>
    </message>
    <message>
        <location filename="../src/fuses/fuse_explain.cpp" line="72"/>
        <source>%1: file %2, chip %3</source>
        <translation>%1: archivo %2, chip %3</translation>
    </message>
    <message>
        <location filename="../src/fuses/fuse_explain.cpp" line="79"/>
        <source>Bandgap: file %1, chip %2</source>
        <translation>Bandgap: archivo %1, chip %2</translation>
    </message>
    <message>
        <location filename="../src/fuses/fuse_explain.cpp" line="82"/>
        <source>Bits %1: file %2, chip %3</source>
        <translation>Bits %1: archivo %2, chip %3</translation>
    </message>
    <message>
        <location filename="../src/fuses/fuse_messages.h" line="7"/>
        <source>Please select a chip</source>
        <translation>Seleccione un chip</translation>
    </message>
    <message>
        <location filename="../src/image/chip_checksum.h" line="28"/>
        <source>none (a serial EEPROM has no checksum)</source>
        <translation>ninguna (una EEPROM serie no tiene suma de comprobación)</translation>
    </message>
    <message>
        <location filename="../src/image/code_listing.h" line="22"/>
        <source>Sorting data...</source>
        <translation>Ordenando datos...</translation>
    </message>
    <message>
        <location filename="../src/image/hex_load.cpp" line="105"/>
        <source>1 byte of %1 lies outside %2&apos;s memory and was not loaded</source>
        <translation>1 byte de %1 queda fuera de la memoria del %2 y no se cargó</translation>
    </message>
    <message>
        <location filename="../src/image/hex_load.cpp" line="106"/>
        <source>%1 bytes of %2 lie outside %3&apos;s memory and were not loaded</source>
        <translation>%1 bytes de %2 quedan fuera de la memoria del %3 y no se cargaron</translation>
    </message>
    <message>
        <location filename="../src/image/hex_load.h" line="16"/>
        <source>Open HEX File</source>
        <translation>Abrir archivo HEX</translation>
    </message>
    <message>
        <location filename="../src/image/hex_load.h" line="17"/>
        <source>Hex Files (*.hex);;All Files (*.*)</source>
        <translation>Archivos HEX (*.hex);;Todos los archivos (*.*)</translation>
    </message>
    <message>
        <location filename="../src/image/hex_load.h" line="18"/>
        <source>Error loading file</source>
        <translation>Error al cargar el archivo</translation>
    </message>
    <message>
        <location filename="../src/image/hex_load.h" line="19"/>
        <source>Error in HEX file - line %1</source>
        <translation>Error en el archivo HEX - línea %1</translation>
    </message>
    <message>
        <location filename="../src/image/hex_load.h" line="20"/>
        <source>Error in HEX file - %1</source>
        <translation>Error en el archivo HEX - %1</translation>
    </message>
    <message>
        <location filename="../src/image/hex_load.h" line="22"/>
        <source>This data appears to be for a different core type&#xd;and may not function with the selected device.&#xd;&#xd;Data will be truncated. Continue loading?</source>
        <translation>Estos datos parecen ser de otro tipo de núcleo&#xd;y puede que no funcionen con el dispositivo seleccionado.&#xd;&#xd;Los datos se truncarán. ¿Continuar la carga?</translation>
    </message>
    <message>
        <location filename="../src/image/hex_save.h" line="17"/>
        <source>A problem occurred while trying to save the HEX file</source>
        <translation>Se produjo un problema al guardar el archivo HEX</translation>
    </message>
    <message>
        <location filename="../src/image/hex_save.h" line="18"/>
        <source>Nothing to save</source>
        <translation>Nada que guardar</translation>
    </message>
    <message>
        <location filename="../src/image/hex_save.h" line="19"/>
        <source>Saving...</source>
        <translation>Guardando...</translation>
    </message>
    <message>
        <location filename="../src/image/hex_save.h" line="20"/>
        <source>Program Ready</source>
        <translation>Programa listo</translation>
    </message>
    <message>
        <location filename="../src/image/hex_save.h" line="21"/>
        <source>Save HEX File</source>
        <translation>Guardar archivo HEX</translation>
    </message>
    <message>
        <location filename="../src/image/hex_save.h" line="22"/>
        <source>HEX Files (*.hex);;All Files (*.*)</source>
        <translation>Archivos HEX (*.hex);;Todos los archivos (*.*)</translation>
    </message>
    <message>
        <location filename="../src/image/sqtp_file.cpp" line="63"/>
        <source>%1 line %2: not an SQTP record</source>
        <translation>%1 línea %2: no es un registro SQTP</translation>
    </message>
    <message>
        <location filename="../src/image/sqtp_file.cpp" line="73"/>
        <source>%1 line %2: every SQTP record stands at one address with one length</source>
        <translation>%1 línea %2: todos los registros SQTP están en una dirección con una longitud</translation>
    </message>
    <message>
        <location filename="../src/image/sqtp_file.cpp" line="78"/>
        <source>%1 holds no SQTP records</source>
        <translation>%1 no contiene registros SQTP</translation>
    </message>
    <message>
        <location filename="../src/image/sqtp_file.cpp" line="89"/>
        <source>the SQTP records at %1 lie outside the %2</source>
        <translation>los registros SQTP en %1 quedan fuera del %2</translation>
    </message>
    <message>
        <location filename="../src/image/sqtp_file.cpp" line="91"/>
        <source>the SQTP records at %1 would write over the calibration word</source>
        <translation>los registros SQTP en %1 sobrescribirían la palabra de calibración</translation>
    </message>
    <message>
        <location filename="../src/image/sqtp_file.cpp" line="98"/>
        <source>the SQTP records at %1 would write over the program&apos;s own data</source>
        <translation>los registros SQTP en %1 sobrescribirían datos del propio programa</translation>
    </message>
    <message>
        <location filename="../src/link/port_discovery.cpp" line="6"/>
        <source>built-in port (%1)</source>
        <translation>puerto integrado (%1)</translation>
    </message>
    <message>
        <location filename="../src/link/port_discovery.cpp" line="11"/>
        <source>USB serial device</source>
        <translation>Dispositivo serie USB</translation>
    </message>
    <message>
        <location filename="../src/link/port_discovery.cpp" line="13"/>
        <source>%1 (%2:%3)</source>
        <translation>%1 (%2:%3)</translation>
    </message>
    <message>
        <location filename="../src/link/port_discovery.cpp" line="14"/>
        <source>%1 (%2:%3, serial %4)</source>
        <translation>%1 (%2:%3, número de serie %4)</translation>
    </message>
    <message>
        <location filename="../src/link/port_discovery.cpp" line="19"/>
        <source>%1 is not there.</source>
        <translation>%1 no existe.</translation>
    </message>
    <message>
        <location filename="../src/link/port_discovery.cpp" line="23"/>
        <source>You may not open %1: it belongs to the group %2.&#xd;Your account was added to that group after you logged in: log out and in again.</source>
        <translation>No puede abrir %1: pertenece al grupo %2.&#xd;Su cuenta se añadió a ese grupo después de iniciar la sesión: cierre la sesión y vuelva a entrar.</translation>
    </message>
    <message>
        <location filename="../src/link/port_discovery.cpp" line="26"/>
        <source>You may not open %1: it belongs to the group %2.&#xd;To fix it run: sudo adduser $USER %2&#xd;then log out and in again.</source>
        <translation>No puede abrir %1: pertenece al grupo %2.&#xd;Para arreglarlo ejecute: sudo adduser $USER %2&#xd;y luego cierre la sesión y vuelva a entrar.</translation>
    </message>
    <message>
        <location filename="../src/link/port_discovery_posix.cpp" line="216"/>
        <source>Latency timer %1 ms slows the board down. Lower it with:&#xd;echo %2 | sudo tee %3</source>
        <translation>El temporizador de latencia de %1 ms ralentiza la placa. Redúzcalo con:&#xd;echo %2 | sudo tee %3</translation>
    </message>
    <message>
        <location filename="../src/link/port_discovery_win.cpp" line="164"/>
        <source>Latency timer %1 ms slows the board down. Lower it to %2 ms in Device Manager:&#xd;Ports (COM &amp; LPT), %3, Properties, Port Settings, Advanced, Latency Timer.</source>
        <translation>El temporizador de latencia de %1 ms ralentiza la placa. Redúzcalo a %2 ms en el Administrador de dispositivos:&#xd;Puertos (COM y LPT), %3, Propiedades, Configuración de puerto, Opciones avanzadas, Temporizador de latencia.</translation>
    </message>
    <message>
        <location filename="../src/link/port_map.cpp" line="72"/>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <location filename="../src/link/port_map.cpp" line="77"/>
        <source>cannot replace %1</source>
        <translation>no se puede reemplazar %1</translation>
    </message>
    <message>
        <location filename="../src/link/port_map.cpp" line="90"/>
        <source>  (no access)</source>
        <translation>  (sin acceso)</translation>
    </message>
    <message>
        <location filename="../src/link/port_map.cpp" line="105"/>
        <source>%1  network serial server</source>
        <translation>%1  servidor serie de red</translation>
    </message>
    <message>
        <location filename="../src/link/serial.cpp" line="14"/>
        <source>Baudrate is not valid</source>
        <translation>La velocidad en baudios no es válida</translation>
    </message>
    <message>
        <location filename="../src/link/session_recording.cpp" line="117"/>
        <source>not a session recording (its first line is no header)</source>
        <translation>no es una grabación de sesión (su primera línea no es una cabecera)</translation>
    </message>
    <message>
        <location filename="../src/platform/help_viewer_qt.cpp" line="134"/>
        <source>Tessaro Help</source>
        <translation>Ayuda de Tessaro</translation>
    </message>
    <message>
        <location filename="../src/platform/help_viewer_qt.cpp" line="139"/>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <location filename="../src/platform/help_viewer_qt.cpp" line="145"/>
        <source>Help document</source>
        <translation>Documento de ayuda</translation>
    </message>
    <message>
        <location filename="../src/platform/help_viewer_qt.cpp" line="146"/>
        <source>Tab moves from link to link</source>
        <translation>Tab pasa de un enlace a otro</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="18"/>
        <source>%1 = Not Erased</source>
        <translation>%1 = Con datos</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="18"/>
        <source>%1 = Erased</source>
        <translation>%1 = En blanco</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="48"/>
        <source>This will totally erase the chip.&#xd;&#xd;Do you wish to continue?</source>
        <translation>Esto borrará el chip por completo.&#xd;&#xd;¿Desea continuar?</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="66"/>
        <source>Erase Check...</source>
        <translation>Comprobación de borrado...</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="132"/>
        <source>Blank results...</source>
        <translation>Resultado de la comprobación de borrado...</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="149"/>
        <source>Blank Results: </source>
        <translation>Resultado de la comprobación de borrado: </translation>
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
        <translation>Fusibles</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="179"/>
        <source>Continue to erase and program this chip?</source>
        <translation>¿Borrar y programar este chip?</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="180"/>
        <source>Continue to program this chip?</source>
        <translation>¿Programar este chip de todos modos?</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="209"/>
        <source>Keeping the chip&apos;s calibration 0x%1</source>
        <translation>Se conserva la calibración 0x%1</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="219"/>
        <source>Calibration data from chip does not match new programming data&#xd;&#xd;Continue programming with new data?</source>
        <translation>Los datos de calibración del chip no coinciden con los nuevos datos de programación&#xd;&#xd;¿Continuar programando con los datos nuevos?</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="275"/>
        <source>Erase result...</source>
        <translation>Resultado del borrado...</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="283"/>
        <source>Chip has been erased</source>
        <translation>El chip se ha borrado</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="287"/>
        <source>Error writing new Calibration and BandGap</source>
        <translation>Error al escribir la nueva calibración y el bandgap</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="288"/>
        <source>Error writing new Calibration</source>
        <translation>Error al escribir la nueva calibración</translation>
    </message>
    <message>
        <location filename="../src/protocol/blank_erase.cpp" line="291"/>
        <source>Error writing new BandGap</source>
        <translation>Error al escribir el nuevo bandgap</translation>
    </message>
    <message>
        <location filename="../src/protocol/blocks.cpp" line="103"/>
        <source>ROM error at 0x%1</source>
        <translation>Error de ROM en 0x%1</translation>
    </message>
    <message>
        <location filename="../src/protocol/blocks.cpp" line="103"/>
        <source>EEPROM error at 0x%1</source>
        <translation>Error de EEPROM en 0x%1</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="57"/>
        <source>Resetting Tessaro...</source>
        <translation>Reiniciando Tessaro...</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="93"/>
        <source>%1 board connected</source>
        <translation>Placa %1 conectada</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="98"/>
        <source>System matching...</source>
        <translation>Ajustando el sistema...</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="100"/>
        <source>Program mode = %1, connected board = %2.&#xd;&#xd;Will attempt to match the board</source>
        <translation>Tipo configurado = %1, placa conectada = %2.&#xd;&#xd;Se intentará ajustar el tipo a la placa</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="110"/>
        <source>Reset error...</source>
        <translation>Error de reinicio...</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="113"/>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="115"/>
        <source>Reset failed. Please check...&#xd;&#xd;Communications port, currently [ %1 ]&#xd;Board connections and power&#xd;Mode =  [ %2 ], does your programmer board match this setting?</source>
        <translation>Reinicio fallido. Compruebe...&#xd;&#xd;el puerto de comunicaciones, ahora [ %1 ]&#xd;las conexiones y la alimentación de la placa&#xd;el tipo =  [ %2 ], ¿coincide su programador con este ajuste?</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="124"/>
        <source>Comms Error...</source>
        <translation>Error de comunicación...</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="125"/>
        <source>The board is not responding</source>
        <translation>La placa no responde</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="127"/>
        <source>I2C Error...</source>
        <translation>Error de I2C...</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="128"/>
        <source>I2C EEPROM is not responding.</source>
        <translation>La EEPROM I2C no responde.</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="130"/>
        <source>Function Error...</source>
        <translation>Error de función...</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="131"/>
        <source>Function not supported by this programmer firmware.</source>
        <translation>Función no admitida por el firmware de este programador.</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="157"/>
        <source>Cannot use Auto Program Mode with serial EEPROMs</source>
        <translation>No se puede usar la programación automática con EEPROM serie</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="161"/>
        <source>Cannot use Auto Program Mode when ICSP is enabled</source>
        <translation>No se puede usar la programación automática con ICSP activado</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="232"/>
        <source>Waiting for chip removal...</source>
        <translation>Esperando la retirada del chip...</translation>
    </message>
    <message>
        <location filename="../src/protocol/board_link.cpp" line="246"/>
        <source>Waiting for chip insertion...</source>
        <translation>Esperando la inserción del chip...</translation>
    </message>
    <message>
        <location filename="../src/protocol/engine.cpp" line="228"/>
        <source>EEPROM not responding.</source>
        <translation>La EEPROM no responde.</translation>
    </message>
    <message>
        <location filename="../src/protocol/engine.cpp" line="232"/>
        <source>Received data error.&#xd;</source>
        <translation>Error en los datos recibidos.&#xd;</translation>
    </message>
    <message>
        <location filename="../src/protocol/engine.cpp" line="285"/>
        <source>Initializing...</source>
        <translation>Inicializando...</translation>
    </message>
    <message>
        <location filename="../src/protocol/engine.cpp" line="286"/>
        <source>Checking for %1...</source>
        <translation>Buscando %1...</translation>
    </message>
    <message>
        <location filename="../src/protocol/engine.cpp" line="306"/>
        <source>Chip ID is not supported for this device.</source>
        <translation>Este dispositivo no admite el ID de chip.</translation>
    </message>
    <message>
        <location filename="../src/protocol/engine_messages.h" line="7"/>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <location filename="../src/protocol/engine_messages.h" line="8"/>
        <source>Error...</source>
        <translation>Error...</translation>
    </message>
    <message>
        <location filename="../src/protocol/engine_messages.h" line="9"/>
        <source>Verify result...</source>
        <translation>Resultado de la verificación...</translation>
    </message>
    <message>
        <location filename="../src/protocol/engine_messages.h" line="10"/>
        <source>Verifying EEPROM...</source>
        <translation>Verificando EEPROM...</translation>
    </message>
    <message>
        <location filename="../src/protocol/engine_messages.h" line="11"/>
        <source>Erasing...</source>
        <translation>Borrando...</translation>
    </message>
    <message>
        <location filename="../src/protocol/engine_messages.h" line="12"/>
        <source>Nothing to program</source>
        <translation>Nada que programar</translation>
    </message>
    <message>
        <location filename="../src/protocol/engine_messages.h" line="14"/>
        <source>%1&#xd;&#xd;Good 0x%2&#xd;Bad 0x%3</source>
        <translation>%1&#xd;&#xd;Esperado 0x%2&#xd;Leído 0x%3</translation>
    </message>
    <message>
        <location filename="../src/protocol/engine_messages.h" line="16"/>
        <source>%1&#xd;About to apply reset...</source>
        <translation>%1&#xd;Se va a reiniciar la placa...</translation>
    </message>
    <message>
        <location filename="../src/protocol/engine_messages.h" line="20"/>
        <source>The memory image does not hold the whole chip.&#xd;&#xd;Load a file or read the chip again.</source>
        <translation>La imagen de memoria no contiene el chip completo.&#xd;&#xd;Cargue un archivo o vuelva a leer el chip.</translation>
    </message>
    <message>
        <location filename="../src/protocol/handshake.cpp" line="51"/>
        <source>You are trying to connect to [ %1 ]&#xd;&#xd;Please select [ %2 ] to match your programmer board.</source>
        <translation>Está intentando conectar con [ %1 ]&#xd;&#xd;Seleccione [ %2 ] para que coincida con su programador.</translation>
    </message>
    <message>
        <location filename="../src/protocol/handshake.cpp" line="106"/>
        <source>Confirming...</source>
        <translation>Confirmando...</translation>
    </message>
    <message>
        <location filename="../src/protocol/handshake.cpp" line="131"/>
        <source>The programmer does not recognise the [%1]&#xd;&#xd;The chip in the socket reports the ID of a %2.&#xd;&#xd;Continue anyway?</source>
        <translation>El programador no reconoce el [%1]&#xd;&#xd;El chip del zócalo indica el ID de un %2.&#xd;&#xd;¿Continuar de todos modos?</translation>
    </message>
    <message>
        <location filename="../src/protocol/handshake.cpp" line="134"/>
        <source>The programmer does not recognise the [%1]&#xd;&#xd;The chip in the socket reports an ID that no chip of the chip file has: 0x%2&#xd;&#xd;Continue anyway?</source>
        <translation>El programador no reconoce el [%1]&#xd;&#xd;El chip del zócalo indica un ID que ningún chip del archivo de chips tiene: 0x%2&#xd;&#xd;¿Continuar de todos modos?</translation>
    </message>
    <message>
        <location filename="../src/protocol/handshake.cpp" line="146"/>
        <source>[%1]   Version %2&#xd;&#xd;Chip ID = %3</source>
        <translation>[%1]   Versión %2&#xd;&#xd;ID del chip = %3</translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="48"/>
        <source>WARNING!&#xd;&#xd;This device has code protection that cannot be erased.&#xd;Do you wish to continue?</source>
        <translation>¡ATENCIÓN!&#xd;&#xd;Este dispositivo tiene una protección de código que no se puede borrar.&#xd;¿Desea continuar?</translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="79"/>
        <source>Upgrading...</source>
        <translation>Actualizando firmware...</translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="82"/>
        <source>Programming ROM...</source>
        <translation>Programando ROM...</translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="131"/>
        <source>Programming error...</source>
        <translation>Error de programación...</translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="135"/>
        <source>ROM programming error at address 0x%1</source>
        <translation>Error de programación de ROM en la dirección 0x%1</translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="150"/>
        <source>Programming EEPROM...</source>
        <translation>Programando EEPROM...</translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="219"/>
        <source>Programming ID...</source>
        <translation>Programando ID...</translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="222"/>
        <source>Programming config...</source>
        <translation>Programando configuración...</translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="241"/>
        <source>ID FUSE programming error.</source>
        <translation>Error al programar ID y fusibles.</translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="243"/>
        <source>Programming result...</source>
        <translation>Resultado de la programación...</translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="247"/>
        <source>Programming complete.</source>
        <translation>Programación terminada.</translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="271"/>
        <source>Programming Fuse...</source>
        <translation>Programando fusibles...</translation>
    </message>
    <message>
        <location filename="../src/protocol/program.cpp" line="305"/>
        <source>Programming complete</source>
        <translation>Programación terminada</translation>
    </message>
    <message>
        <location filename="../src/protocol/read_verify.cpp" line="40"/>
        <source>Nothing to verify</source>
        <translation>Nada que verificar</translation>
    </message>
    <message>
        <location filename="../src/protocol/read_verify.cpp" line="60"/>
        <source>Reading ROM...</source>
        <translation>Leyendo ROM...</translation>
    </message>
    <message>
        <location filename="../src/protocol/read_verify.cpp" line="83"/>
        <source>Reading EEPROM...</source>
        <translation>Leyendo EEPROM...</translation>
    </message>
    <message>
        <location filename="../src/protocol/read_verify.cpp" line="127"/>
        <source>Verifying ROM...</source>
        <translation>Verificando ROM...</translation>
    </message>
    <message>
        <location filename="../src/protocol/read_verify.cpp" line="186"/>
        <source>Data verified</source>
        <translation>Datos verificados</translation>
    </message>
    <message>
        <location filename="../src/protocol/read_verify.cpp" line="202"/>
        <source>ID error 0x20%1</source>
        <translation>Error de ID 0x20%1</translation>
    </message>
    <message>
        <location filename="../src/protocol/read_verify.cpp" line="222"/>
        <source>Fuse error 0x%1</source>
        <translation>Error de fusible 0x%1</translation>
    </message>
    <message>
        <location filename="../src/store/store_journal.cpp" line="13"/>
        <source>cannot write the store&apos;s journal %1 %2</source>
        <translation>no se puede escribir el diario del almacén %1 %2</translation>
    </message>
    <message>
        <location filename="../src/store/store_journal.cpp" line="86"/>
        <source>cannot read the store&apos;s journal %1</source>
        <translation>no se puede leer el diario del almacén %1</translation>
    </message>
    <message>
        <location filename="../src/store/store_text.cpp" line="11"/>
        <source>the serial store gave %1, not a serial number of 64 bits</source>
        <translation>el almacén de números de serie dio %1, no un número de serie de 64 bits</translation>
    </message>
    <message>
        <location filename="../src/store/store_text.cpp" line="18"/>
        <source>the serial list %1 has 1 number left, not %2</source>
        <translation>a la lista de números de serie %1 le queda 1 número, no %2</translation>
    </message>
    <message>
        <location filename="../src/store/store_text.cpp" line="19"/>
        <source>the serial series %1 has 1 number left, not %2</source>
        <translation>a la serie %1 le queda 1 número, no %2</translation>
    </message>
    <message>
        <location filename="../src/store/store_text.cpp" line="20"/>
        <source>the serial list %1 has %2 numbers left, not %3</source>
        <translation>a la lista de números de serie %1 le quedan %2 números, no %3</translation>
    </message>
    <message>
        <location filename="../src/store/store_text.cpp" line="21"/>
        <source>the serial series %1 has %2 numbers left, not %3</source>
        <translation>a la serie %1 le quedan %2 números, no %3</translation>
    </message>
    <message>
        <location filename="../src/store/store_text.h" line="12"/>
        <source>the serial series %1 does not exist: start it with --serial START[:STEP] or --serial-list FILE</source>
        <translation>la serie %1 no existe: iníciela con --serial INICIO[:PASO] o --serial-list ARCHIVO</translation>
    </message>
    <message>
        <location filename="../src/store/store_text.h" line="15"/>
        <source>this tessaro-cli was built without PostgreSQL (libpq): --serial-store is not available</source>
        <translation>este tessaro-cli se compiló sin PostgreSQL (libpq): --serial-store no está disponible</translation>
    </message>
    <message>
        <location filename="../src/store/pg/pg_admin.cpp" line="121"/>
        <source>a counter&apos;s numbers never end: give --count N</source>
        <translation>los números de un contador no se acaban: indique --count N</translation>
    </message>
    <message>
        <location filename="../src/store/pg/pg_link.cpp" line="12"/>
        <source>cannot reach the serial store: %1</source>
        <translation>no se puede alcanzar el almacén de números de serie: %1</translation>
    </message>
    <message>
        <location filename="../src/store/pg/pg_link.cpp" line="44"/>
        <source>the serial store has no tables of this program (%1): run `tessaro-cli serials init`</source>
        <translation>el almacén de números de serie no tiene las tablas de este programa (%1): ejecute `tessaro-cli serials init`</translation>
    </message>
    <message>
        <location filename="../src/store/pg/pg_link.cpp" line="48"/>
        <source>the serial store refused: %1</source>
        <translation>el almacén de números de serie rechazó: %1</translation>
    </message>
    <message>
        <location filename="../src/store/pg/pg_link.cpp" line="63"/>
        <source>%1 is not a PostgreSQL address (postgresql://HOST/DB or host=... dbname=...): %2</source>
        <translation>%1 no es una dirección de PostgreSQL (postgresql://HOST/DB o host=... dbname=...): %2</translation>
    </message>
    <message>
        <location filename="../src/store/pg/pg_link.cpp" line="104"/>
        <source>the serial store cannot be reached</source>
        <translation>no se puede alcanzar el almacén de números de serie</translation>
    </message>
    <message>
        <location filename="../src/store/pg/pg_schema.cpp" line="56"/>
        <source>the serial store&apos;s schema is version %1, newer than this program&apos;s %2</source>
        <translation>el esquema del almacén de números de serie es la versión %1, más nueva que la de este programa (%2)</translation>
    </message>
    <message>
        <location filename="../src/store/pg/pg_schema.cpp" line="112"/>
        <source>the serial store&apos;s schema is version %1, older than this program&apos;s %2: run `tessaro-cli serials init`</source>
        <translation>el esquema del almacén de números de serie es la versión %1, más antigua que la de este programa (%2): ejecute `tessaro-cli serials init`</translation>
    </message>
    <message>
        <location filename="../src/workbench/bench_messages.h" line="11"/>
        <source>Error: Corrupt or missing upgrade file</source>
        <translation>Error: archivo de actualización dañado o inexistente</translation>
    </message>
    <message>
        <location filename="../src/workbench/bench_messages.h" line="14"/>
        <source>Board unplugged</source>
        <translation>Placa desconectada</translation>
    </message>
    <message>
        <location filename="../src/workbench/board.cpp" line="15"/>
        <source>There appears to be a problem accessing the COM Port</source>
        <translation>Parece que hay un problema al acceder al puerto COM</translation>
    </message>
    <message>
        <location filename="../src/workbench/chip_choice.cpp" line="18"/>
        <source>chipinfo.cid file is missing</source>
        <translation>Falta el archivo chipinfo.cid</translation>
    </message>
    <message>
        <location filename="../src/workbench/chip_choice.cpp" line="19"/>
        <source>The chip list could not be saved to %1:&#xd;%2</source>
        <translation>No se pudo guardar la lista de chips en %1:&#xd;%2</translation>
    </message>
    <message>
        <location filename="../src/workbench/commands.cpp" line="33"/>
        <source>Data file has changed.&#xd;&#xd;Do you wish to save it?</source>
        <translation>Los datos han cambiado.&#xd;&#xd;¿Desea guardarlos?</translation>
    </message>
    <message>
        <location filename="../src/workbench/commands.cpp" line="81"/>
        <source>Chip error...</source>
        <translation>Error de chip...</translation>
    </message>
    <message>
        <location filename="../src/workbench/commands.cpp" line="82"/>
        <source>Error: Upgrade chip missing from Chip Selector.&#xd;&#xd;Please use OPTIONS -&gt; Edit Chip List to include 16F628.</source>
        <translation>Error: falta en el selector de chips el chip para actualizar el firmware.&#xd;&#xd;Use OPCIONES -&gt; Editar lista de chips para incluir el 16F628.</translation>
    </message>
    <message>
        <location filename="../src/workbench/commands.cpp" line="91"/>
        <source>File error...</source>
        <translation>Error de archivo...</translation>
    </message>
    <message>
        <location filename="../src/workbench/commands.cpp" line="102"/>
        <source>Please insert 16F628 as per screen graphic.&#xd;&#xd;Do you wish to continue?</source>
        <translation>Inserte un 16F628 como muestra la imagen.&#xd;&#xd;¿Desea continuar?</translation>
    </message>
    <message>
        <location filename="../src/workbench/commands.cpp" line="145"/>
        <source>Select the [%1] and try again?</source>
        <translation>¿Seleccionar el [%1] e intentarlo de nuevo?</translation>
    </message>
    <message>
        <location filename="../src/workbench/image_edits.cpp" line="18"/>
        <source>The chip&apos;s calibration word reads blank&#xd;Give its value with --calibration (from the log or the chip&apos;s label); the chip is left alone</source>
        <translation>La palabra de calibración del chip está en blanco&#xd;Indique su valor con --calibration (del registro o de la etiqueta del chip); el chip no se toca</translation>
    </message>
    <message>
        <location filename="../src/workbench/image_file.cpp" line="21"/>
        <source>Data file has changed. Do you wish to save it?</source>
        <translation>Los datos han cambiado. ¿Desea guardarlos?</translation>
    </message>
    <message>
        <location filename="../src/workbench/ports.cpp" line="10"/>
        <source>Cannot write ports/com%1: %2</source>
        <translation>No se puede escribir ports/com%1: %2</translation>
    </message>
    <message>
        <location filename="../src/workbench/recent_files.cpp" line="13"/>
        <source>The file %1 is no longer there.&#xd;It has been taken off the Recent Files list.</source>
        <translation>El archivo %1 ya no existe.&#xd;Se ha quitado de la lista de archivos recientes.</translation>
    </message>
    <message>
        <location filename="../src/workbench/session.cpp" line="15"/>
        <source>The settings could not be saved to %1:&#xd;%2</source>
        <translation>No se pudo guardar la configuración en %1:&#xd;%2</translation>
    </message>
</context>
</TS>
