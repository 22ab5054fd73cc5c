<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Changement</name>
    <message>
        <source>Load picture</source>
        <translation>Cargar imagen</translation>
    </message>
    <message>
        <source>Unload picture</source>
        <translation>Quitar imagen</translation>
    </message>
    <message>
        <source>Drop picture</source>
        <translation>Soltar imagen</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Colour adjustment</source>
        <translation>Ajuste de color</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Cambiar tamaño</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation>Textos</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Marco</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Changing effect</source>
        <translation>Efecto de transición</translation>
    </message>
    <message>
        <source>Displaying duration</source>
        <translation>Duración de visualización</translation>
    </message>
    <message>
        <source>Change screen</source>
        <translation>Cambiar pantalla</translation>
    </message>
    <message>
        <source>New screen</source>
        <translation>Nueva pantalla</translation>
    </message>
    <message>
        <source>Delete screen</source>
        <translation>Eliminar pantalla</translation>
    </message>
    <message>
        <source>Delete all screens</source>
        <translation>Eliminar todas las pantallas</translation>
    </message>
    <message>
        <source>Move screen</source>
        <translation>Mover pantalla</translation>
    </message>
    <message>
        <source>Add photos</source>
        <translation>Añadir fotos</translation>
    </message>
    <message>
        <source>Display properties</source>
        <translation>Propiedades de pantalla</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Plantilla</translation>
    </message>
    <message>
        <source>Template for all screens</source>
        <translation>Plantilla para todas las pantallas</translation>
    </message>
    <message>
        <source>Playing options</source>
        <translation>Opciones de reproducción</translation>
    </message>
    <message>
        <source>Rebuild screens</source>
        <translation>Reconstruir pantallas</translation>
    </message>
    <message>
        <source>Pair portrait photos</source>
        <translation>Emparejar fotos verticales</translation>
    </message>
</context>
<context>
    <name>Commandes</name>
    <message>
        <source>Add &amp;photos...	Ctrl+Shift+O</source>
        <translation>Añadir &amp;fotos...	Ctrl+Mayús+O</translation>
    </message>
    <message>
        <source>Add photos</source>
        <translation>Añadir fotos</translation>
    </message>
    <message>
        <source>Add &amp;folder...</source>
        <translation>Añadir &amp;carpeta...</translation>
    </message>
    <message>
        <source>Add in name order</source>
        <translation>Añadir por orden de nombre</translation>
    </message>
    <message>
        <source>Add in date order</source>
        <translation>Añadir por orden de fecha</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nuevo	Ctrl+N</translation>
    </message>
    <message>
        <source>Creates a new document</source>
        <translation>Crea un documento nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Abrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Abre un documento existente</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Guardar	Ctrl+S</translation>
    </message>
    <message>
        <source>Save working document</source>
        <translation>Guarda el documento actual</translation>
    </message>
    <message>
        <source>S&amp;ave as...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Plantilla</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Deshacer	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Deshace el último cambio</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Shift+Z</source>
        <translation>&amp;Rehacer	Ctrl+Mayús+Z</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Acercar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>A&amp;lejar</translation>
    </message>
    <message>
        <source>Redo the change undone</source>
        <translation>Rehace el cambio deshecho</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>Create a new screen</source>
        <translation>Crea una pantalla nueva</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete selected screen</source>
        <translation>Elimina la pantalla seleccionada</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Select previous screen</source>
        <translation>Selecciona la pantalla anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Select next screen</source>
        <translation>Selecciona la pantalla siguiente</translation>
    </message>
    <message>
        <source>Picture loading</source>
        <translation>Cargar imagen</translation>
    </message>
    <message>
        <source>Picture unloading</source>
        <translation>Quitar imagen</translation>
    </message>
    <message>
        <source>Rotating</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Color Adjustment</source>
        <translation>Ajuste de color</translation>
    </message>
    <message>
        <source>Stretching</source>
        <translation>Cambiar tamaño</translation>
    </message>
    <message>
        <source>Text definition</source>
        <translation>Definición de textos</translation>
    </message>
    <message>
        <source>Border definition</source>
        <translation>Definición del marco</translation>
    </message>
    <message>
        <source>Background definition</source>
        <translation>Definición del fondo</translation>
    </message>
    <message>
        <source>Changing effect</source>
        <translation>Efecto de transición</translation>
    </message>
    <message>
        <source>Displaying duration</source>
        <translation>Duración de visualización</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generar</translation>
    </message>
    <message>
        <source>Generate a screen saver</source>
        <translation>Genera un salvapantallas</translation>
    </message>
    <message>
        <source>Save for Windows</source>
        <translation>Guardar para Windows</translation>
    </message>
    <message>
        <source>Save for Linux</source>
        <translation>Guardar para Linux</translation>
    </message>
    <message>
        <source>Save as web page</source>
        <translation>Guardar como página web</translation>
    </message>
    <message>
        <source>Send by email</source>
        <translation>Enviar por correo</translation>
    </message>
    <message>
        <source>Send to Internet</source>
        <translation>Enviar a Internet</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Help manual</source>
        <translation>Manual de ayuda</translation>
    </message>
    <message>
        <source>Information about software</source>
        <translation>Información sobre el programa</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Demostración</translation>
    </message>
    <message>
        <source>About Lumaveil...</source>
        <translation>Acerca de Lumaveil...</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>You must create at least 2 screens before generating a screen saver !</source>
        <translation>Debe crear al menos 2 pantallas antes de generar un salvapantallas.</translation>
    </message>
    <message>
        <source>Unable to put software engine !</source>
        <translation>No se puede colocar el motor del programa.</translation>
    </message>
    <message>
        <source>*** Treatment of screen n°%d ***</source>
        <translation>*** Procesando la pantalla n.º %d ***</translation>
    </message>
    <message>
        <source>Break the sequence ?</source>
        <translation>¿Interrumpir la secuencia?</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>To use this screen saver under &apos;Displaying properties&apos;,
it must be copy under Windows system directory.

Copy screen saver ?</source>
        <translation>Para usar este salvapantallas en «Propiedades de pantalla»,
debe copiarse en la carpeta del sistema de Windows.

¿Copiar el salvapantallas?</translation>
    </message>
    <message>
        <source>Error during saving of this screen !
Do you want to continue ?</source>
        <translation>Error al guardar esta pantalla.
¿Desea continuar?</translation>
    </message>
    <message>
        <source>Now, under &apos;Displaying properties&apos; , select &apos;screen saver&apos;.
Choice your new artistic creation.</source>
        <translation>Ahora, en «Propiedades de pantalla», elija «Protector de pantalla».
Seleccione su nueva creación.</translation>
    </message>
    <message>
        <source>Unable to write-open file</source>
        <translation>No se puede abrir el archivo para escribir</translation>
    </message>
    <message>
        <source>No saved file.
First, you must save screensaver in file.</source>
        <translation>No hay ningún archivo guardado.
Primero debe guardar el salvapantallas en un archivo.</translation>
    </message>
    <message>
        <source>Confirm sending saved screensaver by email ?</source>
        <translation>¿Confirma el envío por correo del salvapantallas guardado?</translation>
    </message>
    <message>
        <source>Unable to send screensaver by email.
No email capacity found.</source>
        <translation>No se puede enviar el salvapantallas por correo.
No se encontró ningún programa de correo.</translation>
    </message>
    <message>
        <source>Screensaver</source>
        <translation>Salvapantallas</translation>
    </message>
    <message>
        <source>This message contains a screen saver generated by Lumaveil, the screen saver maker of Vermalune (https://www.vermalune.org/lumaveil/).</source>
        <translation>Este mensaje contiene un salvapantallas creado con Lumaveil, el creador de salvapantallas de Vermalune (https://www.vermalune.org/lumaveil/).</translation>
    </message>
    <message>
        <source>The easiest way to install it is with Murvalo, another product of Vermalune: https://www.vermalune.org/lumaveil/</source>
        <translation>La forma más sencilla de instalarlo es con Murvalo, otro producto de Vermalune: https://www.vermalune.org/lumaveil/</translation>
    </message>
    <message>
        <source>Confirm sending saved screensaver on Internet ?</source>
        <translation>¿Confirma el envío a Internet del salvapantallas guardado?</translation>
    </message>
    <message>
        <source>Unable to send screensaver on Internet.
No FTP capacity found.</source>
        <translation>No se puede enviar el salvapantallas a Internet.
No hay conexión FTP disponible.</translation>
    </message>
    <message>
        <source>Unable to send screensaver on Internet.
Verify connection or parameters.</source>
        <translation>No se puede enviar el salvapantallas a Internet.
Compruebe la conexión o los parámetros.</translation>
    </message>
    <message>
        <source>Unable to compress file.</source>
        <translation>No se puede comprimir el archivo.</translation>
    </message>
    <message>
        <source>Many mail services refuse screen saver (.scr) attachments, even compressed ones.
If the message does not arrive, use &quot;Send to Internet&quot; and send the address of the download page instead.</source>
        <translation>Muchos servicios de correo rechazan los adjuntos de salvapantallas (.scr), incluso comprimidos.
Si el mensaje no llega, use «Enviar a Internet» y envíe en su lugar la dirección de la página de descarga.</translation>
    </message>
    <message>
        <source>To use this screen saver with xscreensaver,
it must be installed as an xscreensaver hack.

Install screen saver ?</source>
        <translation>Para usar este salvapantallas con xscreensaver,
debe instalarse como módulo (hack) de xscreensaver.

¿Instalar el salvapantallas?</translation>
    </message>
    <message>
        <source>No screen was saved, so no screen saver was written.</source>
        <translation>No se guardó ninguna pantalla, así que no se escribió ningún salvapantallas.</translation>
    </message>
    <message>
        <source>The SFTP server %s is not known yet.
The fingerprint of its key is:
%s

Is it the fingerprint your server&apos;s administrator gives ?
Trust this server (its key is then remembered) ?</source>
        <translation>El servidor SFTP %s aún no es conocido.
La huella de su clave es:
%s

¿Es la huella que indica el administrador de su servidor?
¿Confiar en este servidor (su clave se recordará)?</translation>
    </message>
    <message>
        <source>Now, in xscreensaver&apos;s settings, select &apos;%s&apos;.
Choice your new artistic creation.</source>
        <translation>Ahora, en la configuración de xscreensaver, elija «%s».
Seleccione su nueva creación.</translation>
    </message>
    <message>
        <source>Unable to open the file for writing</source>
        <translation>No se puede abrir el archivo para escribir</translation>
    </message>
    <message>
        <source>Unable to open the file for reading</source>
        <translation>No se puede abrir el archivo para leer</translation>
    </message>
    <message>
        <source>This file is not a Lumaveil template</source>
        <translation>Este archivo no es una plantilla de Lumaveil</translation>
    </message>
    <message>
        <source>This file isn&apos;t correct.</source>
        <translation>Este archivo no es correcto.</translation>
    </message>
    <message>
        <source>This file is damaged or incomplete.</source>
        <translation>Este archivo está dañado o incompleto.</translation>
    </message>
    <message>
        <source>File %ld kb   %2d/%2d/%4d</source>
        <translation>Archivo %ld KB   %2d/%2d/%4d</translation>
    </message>
    <message>
        <source>Format %3dx%3d</source>
        <translation>Formato %3dx%3d</translation>
    </message>
    <message>
        <source>*** No loaded picture ***</source>
        <translation>*** Ninguna imagen cargada ***</translation>
    </message>
    <message>
        <source>Cutting.done.</source>
        <translation>Recorte hecho.</translation>
    </message>
    <message>
        <source>No defined cutting.</source>
        <translation>Sin recorte definido.</translation>
    </message>
    <message>
        <source>Rotating of %d° done.</source>
        <translation>Rotación de %d° hecha.</translation>
    </message>
    <message>
        <source>No defined rotating..</source>
        <translation>Sin rotación definida.</translation>
    </message>
    <message>
        <source>Color adjustment done.</source>
        <translation>Ajuste de color hecho.</translation>
    </message>
    <message>
        <source>No color adjustment defined.</source>
        <translation>Sin ajuste de color definido.</translation>
    </message>
    <message>
        <source>No defined stretching.</source>
        <translation>Sin redimensión definida.</translation>
    </message>
    <message>
        <source>Stretching to fit the screen.</source>
        <translation>Redimensión para llenar la pantalla.</translation>
    </message>
    <message>
        <source>Stretching to %d%%.</source>
        <translation>Redimensión al %d%%.</translation>
    </message>
    <message>
        <source>Stretching to %dx%d.</source>
        <translation>Redimensión a %dx%d.</translation>
    </message>
    <message>
        <source>Defined text(s).</source>
        <translation>Texto(s) definido(s).</translation>
    </message>
    <message>
        <source>No defined text.</source>
        <translation>Sin texto definido.</translation>
    </message>
    <message>
        <source>Defined border.</source>
        <translation>Marco definido.</translation>
    </message>
    <message>
        <source>No defined border.</source>
        <translation>Sin marco definido.</translation>
    </message>
    <message>
        <source>No defined background.</source>
        <translation>Sin fondo definido.</translation>
    </message>
    <message>
        <source>Defined pattern background.</source>
        <translation>Fondo con motivo definido.</translation>
    </message>
    <message>
        <source>Defined white color background.</source>
        <translation>Fondo blanco definido.</translation>
    </message>
    <message>
        <source>Defined black color background.</source>
        <translation>Fondo negro definido.</translation>
    </message>
    <message>
        <source>Defined color background.</source>
        <translation>Fondo de color definido.</translation>
    </message>
    <message>
        <source>Defined changing effect.</source>
        <translation>Efecto de transición definido.</translation>
    </message>
    <message>
        <source>No defined changing effect.</source>
        <translation>Sin efecto de transición definido.</translation>
    </message>
    <message>
        <source>Defined duration to %d second(s)</source>
        <translation>Duración definida en %d segundo(s)</translation>
    </message>
    <message>
        <source>The folder already holds files that were not written by an earlier web page:

%s
Replace them? A link is replaced itself, never the file it names.</source>
        <translation>La carpeta ya contiene archivos que no escribió una página web anterior:

%s
¿Reemplazarlos? Un enlace se reemplaza a sí mismo, nunca el archivo al que apunta.</translation>
    </message>
    <message>
        <source>The web page was not written: the folder is left as it was.</source>
        <translation>La página web no se escribió: la carpeta queda como estaba.</translation>
    </message>
    <message>
        <source>The web page was written only in part: this file could not be put in place</source>
        <translation>La página web solo se escribió en parte: este archivo no pudo colocarse</translation>
    </message>
    <message>
        <source>Sending to %1</source>
        <translation>Enviando a %1</translation>
    </message>
    <message>
        <source>Unable to open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>Warning ! Displaying properties have changed.
All screens must be rebuild.
This operation may change quality of actual screen.

Confirm this operation ?</source>
        <translation>¡Atención! Las propiedades de pantalla han cambiado.
Hay que reconstruir todas las pantallas.
Esta operación puede cambiar la calidad de la pantalla actual.

¿Confirmar la operación?</translation>
    </message>
    <message>
        <source>Drag&amp;drop all pictures on list to create screens !</source>
        <translation>Arrastre todas las imágenes a la lista para crear las pantallas.</translation>
    </message>
    <message>
        <source>Rebuilding the screen</source>
        <translation>Reconstruyendo la pantalla</translation>
    </message>
    <message>
        <source>
Italic</source>
        <translation>
Cursiva</translation>
    </message>
    <message>
        <source>
Underline</source>
        <translation>
Subrayado</translation>
    </message>
    <message>
        <source>
Barred</source>
        <translation>
Tachado</translation>
    </message>
    <message>
        <source>
Bold</source>
        <translation>
Negrita</translation>
    </message>
    <message>
        <source>Unable to validate data.</source>
        <translation>No se pueden validar los datos.</translation>
    </message>
    <message>
        <source>Text n°%d</source>
        <translation>Texto n.º %d</translation>
    </message>
    <message>
        <source>Unable to load file</source>
        <translation>No se puede cargar el archivo</translation>
    </message>
    <message>
        <source>Input of new filename</source>
        <translation>Introduzca el nuevo nombre de archivo</translation>
    </message>
    <message>
        <source>File copy error

Unable to access source file.</source>
        <translation>Error al copiar el archivo

No se puede acceder al archivo de origen.</translation>
    </message>
    <message>
        <source>File copy error

Unable to access destination file.</source>
        <translation>Error al copiar el archivo

No se puede acceder al archivo de destino.</translation>
    </message>
    <message>
        <source>File copy error

Unable to write destination file.</source>
        <translation>Error al copiar el archivo

No se puede escribir el archivo de destino.</translation>
    </message>
    <message>
        <source>Unable to add pattern.
User pattern number is too big 
or invalid file.</source>
        <translation>No se puede añadir el motivo.
Hay demasiados motivos de usuario
o el archivo no es válido.</translation>
    </message>
    <message>
        <source>Unable to delete pattern.
You can only delete user pattern.</source>
        <translation>No se puede eliminar el motivo.
Solo se pueden eliminar los motivos de usuario.</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
</context>
<context>
    <name>lumaveil::BarreBoutons</name>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>lumaveil::CApercuFenetre</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
</context>
<context>
    <name>lumaveil::CAssistantDlg</name>
    <message>
        <source>Screen saver creation wizard</source>
        <translation>Asistente de creación de salvapantallas</translation>
    </message>
    <message>
        <source>this wizard help you to create quickly a screen saver.</source>
        <translation>este asistente le ayuda a crear rápidamente un salvapantallas.</translation>
    </message>
    <message>
        <source>Steps for wizard mode :</source>
        <translation>Pasos del asistente:</translation>
    </message>
    <message>
        <source>1 -  Displaying properties selection.</source>
        <translation>1 -  Elección de las propiedades de pantalla.</translation>
    </message>
    <message>
        <source>2 - Template definition.</source>
        <translation>2 - Definición de la plantilla.</translation>
    </message>
    <message>
        <source>3 - Pictures selection.</source>
        <translation>3 - Elección de las imágenes.</translation>
    </message>
    <message>
        <source>4 - Screen saver generation.</source>
        <translation>4 - Generación del salvapantallas.</translation>
    </message>
    <message>
        <source>Follow each step of wizard to create quickly and easily a screen saver.
You can stop this wizard at any moment by selecting &apos;Finish&apos;.</source>
        <translation>Siga cada paso del asistente para crear fácil y rápidamente un salvapantallas.
Puede detener el asistente en cualquier momento eligiendo «Terminar».</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminar</translation>
    </message>
</context>
<context>
    <name>lumaveil::CChampNombre</name>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source> up</source>
        <translation> arriba</translation>
    </message>
    <message>
        <source> down</source>
        <translation> abajo</translation>
    </message>
</context>
<context>
    <name>lumaveil::CCommandesGeneration</name>
    <message>
        <source>Save as web page</source>
        <translation>Guardar como página web</translation>
    </message>
    <message>
        <source>The web page is ready. Open index.html in a browser to watch the screen saver, or copy the whole folder to any web host and share the link.

%1</source>
        <translation>La página web está lista. Abra index.html en un navegador para ver el salvapantallas, o copie toda la carpeta a cualquier alojamiento web y comparta el enlace.

%1</translation>
    </message>
    <message>
        <source>The screen saver is saved as:
%1

Open the folder that holds it?</source>
        <translation>El salvapantallas se ha guardado como:
%1

¿Abrir la carpeta que lo contiene?</translation>
    </message>
</context>
<context>
    <name>lumaveil::CConfigurationDlg</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source> Yes</source>
        <translation> Sí</translation>
    </message>
    <message>
        <source> No</source>
        <translation> No</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Start wizard at beginning :</source>
        <translation>Iniciar el asistente al arrancar:</translation>
    </message>
    <message>
        <source>Send compressed fil (*.gz) by email :</source>
        <translation>Enviar archivo comprimido (*.gz) por correo:</translation>
    </message>
    <message>
        <source>Quality of image JPEG :</source>
        <translation>Calidad de imagen JPEG:</translation>
    </message>
    <message>
        <source>Playing (saved with the project)</source>
        <translation>Reproducción (se guarda con el proyecto)</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Orden aleatorio</translation>
    </message>
    <message>
        <source>The same screen on every monitor</source>
        <translation>La misma pantalla en cada monitor</translation>
    </message>
    <message>
        <source>Different screens on each monitor</source>
        <translation>Pantallas distintas en cada monitor</translation>
    </message>
</context>
<context>
    <name>lumaveil::CDoc</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios de %1?</translation>
    </message>
</context>
<context>
    <name>lumaveil::CDureeDlg</name>
    <message>
        <source>Displaying duration definition</source>
        <translation>Definición de la duración de visualización</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>second(s)</source>
        <translation>segundo(s)</translation>
    </message>
    <message>
        <source>Select a duration between 1 to 180 seconds</source>
        <translation>Elija una duración entre 1 y 180 segundos</translation>
    </message>
</context>
<context>
    <name>lumaveil::CEffetDlg</name>
    <message>
        <source>No effect.</source>
        <translation>Sin efecto.</translation>
    </message>
    <message>
        <source>New screen is only displayed on old screen.</source>
        <translation>La nueva pantalla se muestra sin más sobre la anterior.</translation>
    </message>
    <message>
        <source>Up/Down : </source>
        <translation>Arriba/Abajo: </translation>
    </message>
    <message>
        <source>New screen go down on old screen.</source>
        <translation>La nueva pantalla baja sobre la anterior.</translation>
    </message>
    <message>
        <source>Up-left/Down :</source>
        <translation>Arriba izq./Abajo:</translation>
    </message>
    <message>
        <source>New scrren go down from up-left on old screen.</source>
        <translation>La nueva pantalla baja desde arriba a la izquierda sobre la anterior.</translation>
    </message>
    <message>
        <source>Down-right/Up :</source>
        <translation>Abajo der./Arriba:</translation>
    </message>
    <message>
        <source>New screen go up from down-right on old screen.</source>
        <translation>La nueva pantalla sube desde abajo a la derecha sobre la anterior.</translation>
    </message>
    <message>
        <source>Down/Up : </source>
        <translation>Abajo/Arriba: </translation>
    </message>
    <message>
        <source>New screen go up straight on old screen.</source>
        <translation>La nueva pantalla sube recta sobre la anterior.</translation>
    </message>
    <message>
        <source>Left/right : </source>
        <translation>Izquierda/Derecha: </translation>
    </message>
    <message>
        <source>New screen go from left to right on old screen.</source>
        <translation>La nueva pantalla pasa de izquierda a derecha sobre la anterior.</translation>
    </message>
    <message>
        <source>Stretching :</source>
        <translation>Estiramiento:</translation>
    </message>
    <message>
        <source>New screen stretch up step by step on old screen.</source>
        <translation>La nueva pantalla se estira poco a poco sobre la anterior.</translation>
    </message>
    <message>
        <source>Random : </source>
        <translation>Aleatorio: </translation>
    </message>
    <message>
        <source>a randomize effect from the list.</source>
        <translation>un efecto de la lista elegido al azar.</translation>
    </message>
    <message>
        <source>Cross-fade</source>
        <translation>Fundido encadenado</translation>
    </message>
    <message>
        <source>The new screen fades in over the old one.</source>
        <translation>La nueva pantalla aparece con un fundido sobre la anterior.</translation>
    </message>
    <message>
        <source>Pan and zoom</source>
        <translation>Panorámica y zoom</translation>
    </message>
    <message>
        <source>The screen slowly zooms and drifts while it is shown; it fades in.</source>
        <translation>La pantalla se acerca y se desplaza despacio mientras se muestra; aparece con un fundido.</translation>
    </message>
    <message>
        <source>Random (all effects)</source>
        <translation>Aleatorio (todos los efectos)</translation>
    </message>
    <message>
        <source>An effect chosen at random among all the others.</source>
        <translation>Un efecto elegido al azar entre todos los demás.</translation>
    </message>
    <message>
        <source>Changing effect definition</source>
        <translation>Definición del efecto de transición</translation>
    </message>
    <message>
        <source>Transition length :</source>
        <translation>Duración de la transición:</translation>
    </message>
    <message>
        <source>Transition length</source>
        <translation>Duración de la transición</translation>
    </message>
</context>
<context>
    <name>lumaveil::CGenerationDlg</name>
    <message>
        <source>Display</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Save for Windows</source>
        <translation>Guardar para Windows</translation>
    </message>
    <message>
        <source>Save for Linux</source>
        <translation>Guardar para Linux</translation>
    </message>
    <message>
        <source>Save as web page</source>
        <translation>Guardar como página web</translation>
    </message>
    <message>
        <source>Send by email</source>
        <translation>Enviar por correo</translation>
    </message>
    <message>
        <source>Send to Internet</source>
        <translation>Enviar a Internet</translation>
    </message>
    <message>
        <source>Screen saver Generation</source>
        <translation>Generación del salvapantallas</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Reproducción</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Orden aleatorio</translation>
    </message>
    <message>
        <source>Each round shows every screen once, in a new random order.</source>
        <translation>Cada vuelta muestra cada pantalla una vez, en un nuevo orden aleatorio.</translation>
    </message>
    <message>
        <source>The same screen on every monitor</source>
        <translation>La misma pantalla en cada monitor</translation>
    </message>
    <message>
        <source>Different screens on each monitor</source>
        <translation>Pantallas distintas en cada monitor</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>lumaveil::CInformationDialog</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Version software  n° %1</source>
        <translation>Versión del programa  %1</translation>
    </message>
    <message>
        <source>Lumaveil,  software to make screensavers.</source>
        <translation>Lumaveil,  programa para crear salvapantallas.</translation>
    </message>
    <message>
        <source>Lumaveil logo</source>
        <translation>Logotipo de Lumaveil</translation>
    </message>
</context>
<context>
    <name>lumaveil::CInternetDlg</name>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Lumaveil</source>
        <translation>Lumaveil</translation>
    </message>
    <message>
        <source>Server name</source>
        <translation>Nombre del servidor</translation>
    </message>
    <message>
        <source>An FTP server (encrypted with TLS), or sftp://host for SFTP</source>
        <translation>Un servidor FTP (cifrado con TLS), o sftp://host para SFTP</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>Número de puerto</translation>
    </message>
    <message>
        <source>Passive mode</source>
        <translation>Modo pasivo</translation>
    </message>
    <message>
        <source>Allow unencrypted FTP (password sent in clear)</source>
        <translation>Permitir FTP sin cifrar (contraseña enviada en claro)</translation>
    </message>
    <message>
        <source>Only for a server that offers no encryption: anyone on the way can read the password</source>
        <translation>Solo para un servidor sin cifrado: cualquiera en el camino puede leer la contraseña</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Server directory</source>
        <translation>Carpeta del servidor</translation>
    </message>
    <message>
        <source>Screensaver file name</source>
        <translation>Nombre del archivo del salvapantallas</translation>
    </message>
    <message>
        <source>Create a simple Web page for download.</source>
        <translation>Crear una página web sencilla de descarga.</translation>
    </message>
    <message>
        <source>Web page name</source>
        <translation>Nombre de la página web</translation>
    </message>
    <message>
        <source>Web address of the page</source>
        <translation>Dirección web de la página</translation>
    </message>
    <message>
        <source>https://example.org/summer.html (optional)</source>
        <translation>https://example.org/verano.html (opcional)</translation>
    </message>
    <message>
        <source>Where people see the page once it is sent; &quot;Send by email&quot; can then send this link instead of the file</source>
        <translation>Dónde se verá la página una vez enviada; «Enviar por correo» puede entonces enviar este enlace en lugar del archivo</translation>
    </message>
</context>
<context>
    <name>lumaveil::CKSFileDialog</name>
    <message>
        <source>All pictures</source>
        <translation>Todas las imágenes</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Select images to load (use &apos;CTRL&apos; for multiple selection)</source>
        <translation>Elija las imágenes que cargar (use «Ctrl» para una selección múltiple)</translation>
    </message>
    <message>
        <source>Lumaveil File(*.lmv)</source>
        <translation>Archivo de Lumaveil (*.lmv)</translation>
    </message>
    <message>
        <source>Lumaveil Template (*.mod)</source>
        <translation>Plantilla de Lumaveil (*.mod)</translation>
    </message>
    <message>
        <source>Template loading from</source>
        <translation>Cargar plantilla desde</translation>
    </message>
    <message>
        <source>Template saving under</source>
        <translation>Guardar plantilla como</translation>
    </message>
</context>
<context>
    <name>lumaveil::CListeView</name>
    <message>
        <source>Screens</source>
        <translation>Pantallas</translation>
    </message>
    <message>
        <source>Moving screen</source>
        <translation>Moviendo la pantalla</translation>
    </message>
</context>
<context>
    <name>lumaveil::CMainFrame</name>
    <message>
        <source>Select a folder of photos</source>
        <translation>Seleccionar una carpeta de fotos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Screen</source>
        <translation>&amp;Pantalla</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Generar</translation>
    </message>
    <message>
        <source>Se&amp;tup</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>About Lumaveil</source>
        <translation>Acerca de Lumaveil</translation>
    </message>
</context>
<context>
    <name>lumaveil::CModeleDlg</name>
    <message>
        <source>Template definition</source>
        <translation>Definición de la plantilla</translation>
    </message>
    <message>
        <source>Template preview</source>
        <translation>Vista previa de la plantilla</translation>
    </message>
    <message>
        <source>Template loading</source>
        <translation>Cargar plantilla</translation>
    </message>
    <message>
        <source>Template saving</source>
        <translation>Guardar plantilla</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <source>OK for all</source>
        <translation>Aceptar para todas</translation>
    </message>
    <message>
        <source>Loaded template &apos;%1&apos;.</source>
        <translation>Plantilla cargada «%1».</translation>
    </message>
    <message>
        <source>No loaded template.</source>
        <translation>Ninguna plantilla cargada.</translation>
    </message>
    <message>
        <source>Saved template &apos;%1&apos;.</source>
        <translation>Plantilla guardada «%1».</translation>
    </message>
    <message>
        <source>No saved template.</source>
        <translation>Ninguna plantilla guardada.</translation>
    </message>
</context>
<context>
    <name>lumaveil::CModeleListe</name>
    <message>
        <source>Shown beside %1</source>
        <translation>Se muestra junto a %1</translation>
    </message>
</context>
<context>
    <name>lumaveil::COutilDialog</name>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
</context>
<context>
    <name>lumaveil::CPanneauLignes</name>
    <message>
        <source>Stretching</source>
        <translation>Redimensionar</translation>
    </message>
    <message>
        <source>Text definition</source>
        <translation>Definición del texto</translation>
    </message>
    <message>
        <source>Border definition</source>
        <translation>Definición del marco</translation>
    </message>
    <message>
        <source>Background definition</source>
        <translation>Definición del fondo</translation>
    </message>
    <message>
        <source>Changing effect</source>
        <translation>Efecto de transición</translation>
    </message>
    <message>
        <source>Displaying duration</source>
        <translation>Duración de visualización</translation>
    </message>
</context>
<context>
    <name>lumaveil::CPrincipaleView</name>
    <message>
        <source>Screen</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Decoration</source>
        <translation>Decoración</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transición</translation>
    </message>
</context>
<context>
    <name>lumaveil::CProprietesDlg</name>
    <message>
        <source>Displaying properties</source>
        <translation>Propiedades de pantalla</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
    </message>
    <message>
        <source>(better for Internet)</source>
        <translation>(mejor para Internet)</translation>
    </message>
    <message>
        <source>(better for email)</source>
        <translation>(mejor para correo electrónico)</translation>
    </message>
    <message>
        <source>(better for PocketPC)</source>
        <translation>(mejor para PocketPC)</translation>
    </message>
    <message>
        <source>(actual resolution not defined)</source>
        <translation>(resolución actual no definida)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Pair portrait photos</source>
        <translation>Emparejar fotos verticales</translation>
    </message>
</context>
<context>
    <name>lumaveil::CRetoucheDialog</name>
    <message>
        <source>Click to display on full screen</source>
        <translation>Haga clic para ver a pantalla completa</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Picture loading</source>
        <translation>Cargar imagen</translation>
    </message>
    <message>
        <source>Rotating</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Color Adjustment</source>
        <translation>Ajuste de color</translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>File %1   %2</source>
        <translation>Archivo %1   %2</translation>
    </message>
</context>
<context>
    <name>talvik::CAproposdeDlg</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
</context>
<context>
    <name>talvik::CCadreDlg</name>
    <message>
        <source>Add a border to picture</source>
        <translation>Añadir un marco a la imagen</translation>
    </message>
    <message>
        <source>To add a border to a picture allows to give a nicer picture.</source>
        <translation>Añadir un marco a una imagen permite realzarla.</translation>
    </message>
    <message>
        <source>Select border typ : pattern or color with/without borderline. 
Click on picture to display it on full screen.</source>
        <translation>Elija el tipo de marco: motivo o color, con o sin filete. 
Haga clic en la imagen para verla a pantalla completa.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Border with pattern</source>
        <translation>Marco con motivo</translation>
    </message>
    <message>
        <source>Border with color</source>
        <translation>Marco de color</translation>
    </message>
    <message>
        <source>Border typ</source>
        <translation>Tipo de marco</translation>
    </message>
    <message>
        <source>Borderline</source>
        <translation>Filete</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Grosor</translation>
    </message>
    <message>
        <source>Border color</source>
        <translation>Color del marco</translation>
    </message>
    <message>
        <source>Borderline color</source>
        <translation>Color del filete</translation>
    </message>
</context>
<context>
    <name>talvik::CCouleurDlg</name>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Choose a color</source>
        <translation>Elegir un color</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dec</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparente</translation>
    </message>
    <message>
        <source>More %1</source>
        <translation>Más %1</translation>
    </message>
    <message>
        <source>Less %1</source>
        <translation>Menos %1</translation>
    </message>
</context>
<context>
    <name>talvik::CDialogueAvantApres</name>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Después</translation>
    </message>
</context>
<context>
    <name>talvik::CDialogueEditeur</name>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>talvik::CDialogueMotifs</name>
    <message>
        <source>Pattern</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Add pattern</source>
        <translation>Añadir motivo</translation>
    </message>
    <message>
        <source>Delete pattern</source>
        <translation>Eliminar motivo</translation>
    </message>
</context>
<context>
    <name>talvik::CFondDlg</name>
    <message>
        <source>Background definitiion</source>
        <translation>Definición del fondo</translation>
    </message>
    <message>
        <source>To add a background to a picture allows to give some relief to it.</source>
        <translation>Añadir un fondo a una imagen permite darle relieve.</translation>
    </message>
    <message>
        <source>Select background typ : pattern ord color.
Click on picture to display it on full screen.</source>
        <translation>Elija el tipo de fondo: motivo o color.
Haga clic en la imagen para verla a pantalla completa.</translation>
    </message>
    <message>
        <source>Motif</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Background with pattern</source>
        <translation>Fondo con motivo</translation>
    </message>
    <message>
        <source>Background with color</source>
        <translation>Fondo de color</translation>
    </message>
    <message>
        <source>Blurred photo</source>
        <translation>Foto desenfocada</translation>
    </message>
    <message>
        <source>Background typ</source>
        <translation>Tipo de fondo</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
</context>
<context>
    <name>talvik::CGraphique</name>
    <message>
        <source>Bitmap (*.bmp)</source>
        <translation>Mapa de bits (*.bmp)</translation>
    </message>
    <message>
        <source>PNG (*.png)</source>
        <translation>PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>talvik::CMiniTexteDlg</name>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Insert field</source>
        <translation>Insertar campo</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Formato de fecha</translation>
    </message>
    <message>
        <source>Text edge</source>
        <translation>Borde del texto</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>Soft shadow</source>
        <translation>Sombra suave</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Absolute</source>
        <translation>Absoluta</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automática</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Dx = </source>
        <translation>Dx = </translation>
    </message>
    <message>
        <source>Dy = </source>
        <translation>Dy = </translation>
    </message>
    <message>
        <source>Ink color</source>
        <translation>Color de la tinta</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Date taken</source>
        <translation>Fecha de la toma</translation>
    </message>
    <message>
        <source>Time taken</source>
        <translation>Hora de la toma</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nombre del archivo</translation>
    </message>
    <message>
        <source>Long (14 July 2024)</source>
        <translation>Largo (14 de julio de 2024)</translation>
    </message>
    <message>
        <source>With the day (Sunday 14 July 2024)</source>
        <translation>Con el día (domingo, 14 de julio de 2024)</translation>
    </message>
    <message>
        <source>Numeric (14/07/2024)</source>
        <translation>Numérico (14/07/2024)</translation>
    </message>
    <message>
        <source>Month and year (July 2024)</source>
        <translation>Mes y año (julio de 2024)</translation>
    </message>
    <message>
        <source>Year (2024)</source>
        <translation>Año (2024)</translation>
    </message>
</context>
<context>
    <name>talvik::CPleinEcranDlg</name>
    <message>
        <source>Full screen view</source>
        <translation>Vista a pantalla completa</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
</context>
<context>
    <name>talvik::CProgressionDlg</name>
    <message>
        <source>Running operation...</source>
        <translation>Operación en curso…</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Contador</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>talvik::CQuestionTraitementDlg</name>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Caution ! Filename already exists. What do you want to do ?</source>
        <translation>¡Atención! El nombre de archivo ya existe. ¿Qué desea hacer?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>All replace</source>
        <translation>Reemplazar todo</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>talvik::CRecoupeDlg</name>
    <message>
        <source>Cutting a picture</source>
        <translation>Recortar una imagen</translation>
    </message>
    <message>
        <source>To cut a picture allows to keep only a special piece of it.</source>
        <translation>Recortar una imagen permite conservar solo una parte de ella.</translation>
    </message>
    <message>
        <source>Modify up-left point (X1,Y1) and down-right point (X2,Y2) from picture to cut it.
Click on picture to display it on full screen.</source>
        <translation>Modifique el punto superior izquierdo (X1,Y1) y el inferior derecho (X2,Y2) para recortar la imagen.
Haga clic en la imagen para verla a pantalla completa.</translation>
    </message>
</context>
<context>
    <name>talvik::CRedimensionDlg</name>
    <message>
        <source>Resizing a picture</source>
        <translation>Redimensionar una imagen</translation>
    </message>
    <message>
        <source>To resize a picture allows to decrease or increase size of it.</source>
        <translation>Redimensionar una imagen permite reducirla o ampliarla.</translation>
    </message>
    <message>
        <source>Modify size of image by selecting percent (%)  or select and input absolute values (X,Y), in this case you can keep proportion ( KP ).

Click on picture to display it on full screen.</source>
        <translation>Cambie el tamaño de la imagen en porcentaje (%)  o con valores absolutos (X,Y); en ese caso puede mantener las proporciones ( KP ).

Haga clic en la imagen para verla a pantalla completa.</translation>
    </message>
    <message>
        <source>KP</source>
        <translation>KP</translation>
    </message>
    <message>
        <source>Fill the screen</source>
        <translation>Llenar la pantalla</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
</context>
<context>
    <name>talvik::CReglageDlg</name>
    <message>
        <source>Color adjustment to picture</source>
        <translation>Ajuste de color de la imagen</translation>
    </message>
    <message>
        <source>To adjust color to a picture allows to improve clearness and clarte of it (like you want).</source>
        <translation>Ajustar el color de una imagen permite mejorar su nitidez y claridad (a su gusto).</translation>
    </message>
    <message>
        <source>Slide cursors from left to right to adjust light, contrast and intensity.

Click on picture to display it on full screen.</source>
        <translation>Deslice los cursores de izquierda a derecha para ajustar brillo, contraste e intensidad.

Haga clic en la imagen para verla a pantalla completa.</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensidad</translation>
    </message>
</context>
<context>
    <name>talvik::CRotationDlg</name>
    <message>
        <source>Rotating a picture</source>
        <translation>Girar una imagen</translation>
    </message>
    <message>
        <source>To rotate a picture allows to turn it for displaying in better position.</source>
        <translation>Girar una imagen permite mostrarla en la posición correcta.</translation>
    </message>
    <message>
        <source>Select rotating by clicking on left arrow  (-90°),  center (180°)  or right (90°).
Click on picture to display it on full screen.</source>
        <translation>Elija el giro con la flecha izquierda  (-90°),  central (180°)  o derecha (90°).
Haga clic en la imagen para verla a pantalla completa.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
</context>
<context>
    <name>talvik::CSaisieChaineDlg</name>
    <message>
        <source>Request</source>
        <translation>Solicitud</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
</context>
<context>
    <name>talvik::CSpinEdition</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Introduzca un número entero entre %1 y %2.</translation>
    </message>
</context>
<context>
    <name>talvik::CTexteDlg</name>
    <message>
        <source>Add text to picture</source>
        <translation>Añadir texto a la imagen</translation>
    </message>
    <message>
        <source>To add text to a picture allows to give some infomations about it.</source>
        <translation>Añadir texto a una imagen permite dar información sobre ella.</translation>
    </message>
    <message>
        <source>Select text by clicking on tab and input characteristics.
Click on picture to display it on full screen.</source>
        <translation>Elija el texto con su pestaña e introduzca sus características.
Haga clic en la imagen para verla a pantalla completa.</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation>Textos</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
</context>
<context>
    <name>talvik::ListeMotifs</name>
    <message>
        <source>Jpeg (*.jpg)</source>
        <translation>JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Gif (*.gif)</source>
        <translation>GIF (*.gif)</translation>
    </message>
</context>
</TS>
