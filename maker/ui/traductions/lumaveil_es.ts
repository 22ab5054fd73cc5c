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
    <name>lumaveil::CChampNombre</name>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
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
</context>
</TS>
