<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nu</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschide</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salveaza</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandoneaza</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplica</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Inchide</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reseteaza</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reincearca</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Valori implicite</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Renunt</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignora</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;u la toate</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Salveaza tot</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Arunca</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Da la &amp;toate</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>Show Details...</source>
        <translation>Arata detaliile...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Ascunde detaliile...</translation>
    </message>
</context>
<context>
    <name>QErrorMessage</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Fatal Error:</source>
        <translation>Eroare fatala:</translation>
    </message>
    <message>
        <source>&amp;Show this message again</source>
        <translation>&amp;Arata din nou acest mesaj</translation>
    </message>
    <message>
        <source>Debug Message:</source>
        <translation>Mesaj de depanare:</translation>
    </message>
    <message>
        <source>Warning:</source>
        <translation>Atentie:</translation>
    </message>
</context>
<context>
    <name>QInputDialog</name>
    <message>
        <source>Enter a value:</source>
        <translation>Scrieti o valoare:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>Ta&amp;ie</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiaza</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refa</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Anuleaza</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lipeste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sterge</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecteaza tot</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>Ta&amp;ie</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiaza</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refa</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Anuleaza</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lipeste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sterge</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecteaza tot</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Copiaza adresa &amp;legaturii</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>Step &amp;down</source>
        <translation>&amp;Scade</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>&amp;Creste</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Selecteaza tot</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>Inapoi</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fisier</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschide</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Deschide</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salveaza</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unitate</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fisiere</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Arata </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>&apos;%1&apos; este protejat la scriere.
Il stergeti totusi?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Sigur stergeti &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Locuri si semne de carte</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Nume fisier:</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Dosar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sterge</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Dosar nou</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dosar</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Dosarul parinte</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>Dosar &amp;nou</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Calculatorul meu</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Cauta in:</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Creeaza un dosar nou</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>Fisier %1</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Fisiere de tipul:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Alege dosarul</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Arata fisierele &amp;ascunse</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salveaza ca</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Dosarul nu exista.
Verificati numele dosarului.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Bara laterala</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Alege</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Sterge</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Toate fisierele (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Toate fisierele (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Dosare</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Redenumeste</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Dosarul nu a putut fi sters.</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Dosar:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Necunoscut</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 exista deja.
Il inlocuiti?</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Inainte</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Mergi inainte</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Mergi la dosarul parinte</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Locuri recente</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Mergi inapoi</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Vedere cu detalii</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Creeaza dosar nou</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Scurtatura</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Detalii</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Fisierul nu exista.
Verificati numele fisierului.</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Vedere lista</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Kind</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Marime</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 TB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octeti</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Calculatorul meu</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nume de fisier incorect</translation>
    </message>
    <message>
        <source>%1 byte(s)</source>
        <translation>%1 octeti</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Data modificarii</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Paginile pare</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tiparire</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Optiuni &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Optiuni &gt;&gt;</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Scrie fisier PDF</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Tipareste</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 exista deja.
Il suprascrieti?</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Paginile impare</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Fisier local</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Tiparire in fisier (PDF)</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Tiparire in fisier ...</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automat</translation>
    </message>
    <message>
        <source>The &apos;From&apos; value cannot be greater than the &apos;To&apos; value.</source>
        <translation>Pagina de inceput nu poate fi dupa pagina de sfarsit.</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Toate paginile</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 este un dosar.
Alegeti alt nume de fisier.</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>Fisierul %1 nu poate fi scris.
Alegeti alt nume de fisier.</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tip:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nume:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>&amp;Fisier de iesire:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>P&amp;roprietati</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Previzualizare</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimanta</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Locatie:</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>to</source>
        <translation>pana la</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Toate</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Pagina curenta</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Selectia</translation>
    </message>
    <message>
        <source>Long side</source>
        <translation>Pe latura lunga</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Exemplare</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Ce se tipareste</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Culori</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optiuni</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Iesire</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>In ordine inversa</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Tonuri de gri</translation>
    </message>
    <message>
        <source>Short side</source>
        <translation>Pe latura scurta</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Asaza pe exemplare</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Exemplare:</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Paginile de la</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Paginile:</translation>
    </message>
    <message>
        <source>Duplex Printing</source>
        <translation>Tiparire fata-verso</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Hartie</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Sursa hartiei:</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margini</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizat</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Orizontal</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Asezare in pagina</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Latime:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientare</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Ordinea paginilor:</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>marginea de sus</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>marginea de jos</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>marginea din stanga</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>marginea din dreapta</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Marimea paginii:</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Vertical intors</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Milimetri (mm)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Puncte (pt)</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Pagini pe foaie:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Toli (in)</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Orizontal intors</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Inaltime:</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>Custom</source>
        <translation>Personalizat</translation>
    </message>
</context>
</TS>
