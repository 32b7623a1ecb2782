<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="it_IT">
<context>
    <name>BatchMessages</name>
    <message>
        <source>Nuova Bolla N:</source>
        <translation>New delivery note No.:</translation>
    </message>
    <message>
        <source>Modifica Bolla N:</source>
        <translation>Edit delivery note No.:</translation>
    </message>
    <message>
        <source>Archivio Programmi Vuoto, Rilavorazione impossibile.</source>
        <translation>Program archive empty, reprocessing impossible.</translation>
    </message>
    <message>
        <source>Caricamento Programma </source>
        <translation>Program loading </translation>
    </message>
    <message>
        <source>Programma dell archivio INESISTENTE, selezionarne uno dalla lista.</source>
        <translation>Program NOT IN the archive, select one from the list.</translation>
    </message>
    <message>
        <source>Numero Programmi</source>
        <translation>Number of programs</translation>
    </message>
    <message>
        <source>Il campo %1 non contiene un numero intero: &quot;%2&quot;. La bolla non è stata salvata.</source>
        <translation>Field %1 does not hold a whole number: &quot;%2&quot;. The delivery note was not saved.</translation>
    </message>
    <message>
        <source>Il codice produttore deve essere un numero intero: &quot;%1&quot;.</source>
        <translation>The producer code must be a whole number: &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Uso: kv7 [-o]
Console della campionatrice KV7; lavora nella cartella corrente (kv2.log, file di lavoro).
  -o           centralina di tipo vecchio (linea a 9600 baud)
  --help       mostra questo aiuto ed esce
  --version    mostra la versione ed esce
Archivio: KV7_DB_HOST, KV7_DB_PORT, KV7_DB_SOCKET, KV7_DB_USER, KV7_DB_PASSWORD, KV7_DB_NAME.
Configurazione: KV7_CONFIG_DIR. Con un archivio privato: kv7-db.
</source>
        <translation>Usage: kv7 [-o]
Console of the KV7 sampler; works in the current folder (kv2.log, working files).
  -o           older controller board (line at 9600 baud)
  --help       show this help and exit
  --version    show the version and exit
Archive: KV7_DB_HOST, KV7_DB_PORT, KV7_DB_SOCKET, KV7_DB_USER, KV7_DB_PASSWORD, KV7_DB_NAME.
Configuration: KV7_CONFIG_DIR. With a private archive: kv7-db.
</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Il comando %1 non è andato a buon fine</source>
        <translation>Command %1 failed</translation>
    </message>
    <message>
        <source>Il comando %1 non ha ricevuto una risposta corretta</source>
        <translation>Command %1 did not get a valid reply</translation>
    </message>
    <message>
        <source>Il comando %1 non ha ricevuto una risposta corretta=%2</source>
        <translation>Command %1 did not get a valid reply=%2</translation>
    </message>
    <message>
        <source>Il comando %1 non è stato trasmesso correttamente</source>
        <translation>Command %1 was not sent correctly</translation>
    </message>
    <message>
        <source>Il comando di versione non ha ricevuto una risposta corretta</source>
        <translation>The version command did not get a valid reply</translation>
    </message>
    <message>
        <source>Il comando di type non ha ricevuto una risposta corretta</source>
        <translation>The board type command did not get a valid reply</translation>
    </message>
    <message>
        <source>Il comando di controllo rotazione non è stato trasmesso correttamente</source>
        <translation>The rotation check command was not sent correctly</translation>
    </message>
    <message>
        <source>Il comando di rotazione non ha ricevuto una risposta corretta</source>
        <translation>The rotation command did not get a valid reply</translation>
    </message>
    <message>
        <source>Il comando di Set rotazione non è stato trasmesso correttamente</source>
        <translation>The set rotation command was not sent correctly</translation>
    </message>
    <message>
        <source>Il comando di Set rotazione non ha ricevuto una risposta corretta</source>
        <translation>The set rotation command did not get a valid reply</translation>
    </message>
    <message>
        <source>Il comando di Set Delay Tara non è stato trasmesso correttamente</source>
        <translation>The set tare delay command was not sent correctly</translation>
    </message>
    <message>
        <source>Il comando di Set Tipo Magneti non è stato trasmesso correttamente</source>
        <translation>The set magnet type command was not sent correctly</translation>
    </message>
    <message>
        <source>Il comando tara tazza non è andato a buon fine</source>
        <translation>The cup tare command failed</translation>
    </message>
    <message>
        <source>Il comando di traccia grafica non è stato inviato correttamente</source>
        <translation>The signal trace command was not sent correctly</translation>
    </message>
    <message>
        <source>Termina Oscilloscopio non eseguito...</source>
        <translation>Oscilloscope stop not carried out...</translation>
    </message>
    <message>
        <source>Il comando di controllo tazze vuote non è stato inviato correttamente</source>
        <translation>The empty cup check command was not sent correctly</translation>
    </message>
    <message>
        <source>Il comando di termina tazze vuote non eseguito</source>
        <translation>End empty cup check command not carried out</translation>
    </message>
    <message>
        <source>Il comando di calibrazione linee non è stato inviato correttamente</source>
        <translation>The line calibration command was not sent correctly</translation>
    </message>
    <message>
        <source>Il comando di termina calibrazione linee non è stato inviato correttamente</source>
        <translation>The end line calibration command was not sent correctly</translation>
    </message>
    <message>
        <source>0 - SCARTI ON</source>
        <translation>0 - REJECTS ON</translation>
    </message>
    <message>
        <source>1 - attesa scar.</source>
        <translation>1 - wait. unload</translation>
    </message>
    <message>
        <source>2 - SCARICO</source>
        <translation>2 - UNLOADING</translation>
    </message>
    <message>
        <source>3 - ass. tara</source>
        <translation>3 - tare settl.</translation>
    </message>
    <message>
        <source>4 - tara in corso</source>
        <translation>4 - taring</translation>
    </message>
    <message>
        <source>5 - att. carico</source>
        <translation>5 - wait. load</translation>
    </message>
    <message>
        <source>6 - Carico Sing.</source>
        <translation>6 - Single load</translation>
    </message>
    <message>
        <source>7 - Ass. e Accum.</source>
        <translation>7 - Settle &amp; accum.</translation>
    </message>
    <message>
        <source>8 - Doppia Carico</source>
        <translation>8 - Double load</translation>
    </message>
    <message>
        <source>9 - Ass. Accum. Pos.</source>
        <translation>9 - Settle accum. pos.</translation>
    </message>
    <message>
        <source>? - errore scarti</source>
        <translation>? - reject error</translation>
    </message>
    <message>
        <source>0-SCARTI off</source>
        <translation>0-REJECTS off</translation>
    </message>
    <message>
        <source>errore ciclo on scarti</source>
        <translation>reject cycle on failed</translation>
    </message>
    <message>
        <source>Errori Centralina Scarti</source>
        <translation>Reject controller errors</translation>
    </message>
    <message>
        <source>Programma Peso = 0</source>
        <translation>Weight program = 0</translation>
    </message>
    <message>
        <source>Set-Up Singola/Doppia</source>
        <translation>Set-up single/double</translation>
    </message>
    <message>
        <source>Set-Up i due rele di carico = 0</source>
        <translation>Set-up: both load relays = 0</translation>
    </message>
    <message>
        <source>Set-Up i due rele di scarico = 0</source>
        <translation>Set-up: both unload relays = 0</translation>
    </message>
    <message>
        <source>Set-Up k-Peso = 0</source>
        <translation>Set-up weight factor k = 0</translation>
    </message>
    <message>
        <source>rele Scarico Destro non assegnato</source>
        <translation>right unload relay not assigned</translation>
    </message>
    <message>
        <source>rele Scarico Sinistro non assegnato</source>
        <translation>left unload relay not assigned</translation>
    </message>
    <message>
        <source>Doppia manca 1 rele o 1 sensore di carico</source>
        <translation>Double: 1 relay or 1 load sensor missing</translation>
    </message>
    <message>
        <source>Ciclo On Tara valore errato</source>
        <translation>Cycle on: wrong tare value</translation>
    </message>
    <message>
        <source>seriale Ricezione buffer pieno</source>
        <translation>serial: receive buffer full</translation>
    </message>
    <message>
        <source>seriale Trasmissione Time-Out</source>
        <translation>serial: transmit time-out</translation>
    </message>
    <message>
        <source>comandi J/K errati</source>
        <translation>wrong J/K commands</translation>
    </message>
    <message>
        <source>0 - Centralina off</source>
        <translation>0 - Controller off</translation>
    </message>
    <message>
        <source>0 - Accesa</source>
        <translation>0 - Powered on</translation>
    </message>
    <message>
        <source>1 - Stand By</source>
        <translation>1 - Standby</translation>
    </message>
    <message>
        <source>2 - Attesa Encoder</source>
        <translation>2 - Waiting for encoder</translation>
    </message>
    <message>
        <source>3 - Tara iniziale</source>
        <translation>3 - Initial tare</translation>
    </message>
    <message>
        <source>4 - Lavorazione</source>
        <translation>4 - Processing</translation>
    </message>
    <message>
        <source>5 - Fine partita</source>
        <translation>5 - End of batch</translation>
    </message>
    <message>
        <source>%1tz/s</source>
        <translation>%1 cups/s</translation>
    </message>
    <message>
        <source>set Encoder orario</source>
        <translation>encoder set clockwise</translation>
    </message>
    <message>
        <source>set Encoder antiorario</source>
        <translation>encoder set anticlockwise</translation>
    </message>
    <message>
        <source>Trasf. %1Mb3 = %2 %</source>
        <translation>Sending%1to Mb3 = %2 %</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Bolla temporanea non presente!</source>
        <translation>No temporary delivery note found!</translation>
    </message>
    <message>
        <source>Vuoi esportare i dati verso AS400 ?</source>
        <translation>Export the data to the AS400?</translation>
    </message>
    <message>
        <source>KV7 Campionatrice</source>
        <translation>KV7 Sampler</translation>
    </message>
    <message>
        <source>Programma Gestione Calibratrice</source>
        <translation>Grader management program</translation>
    </message>
    <message>
        <source>non abilitata</source>
        <translation>not enabled</translation>
    </message>
    <message>
        <source>KV7 Campionatrice%1</source>
        <translation>KV7 Sampler%1</translation>
    </message>
    <message>
        <source>La centralina è spenta, accenderla per favore!</source>
        <translation>The controller is off, please switch it on!</translation>
    </message>
    <message>
        <source>I totali verranno azzerati, vuoi continuare ?</source>
        <translation>The totals will be reset, do you want to continue?</translation>
    </message>
    <message>
        <source>richiesta totali della centralina scarti non risposta!</source>
        <translation>the reject station did not answer the totals request!</translation>
    </message>
    <message>
        <source>1-SCARTI ON</source>
        <translation>1-REJECTS ON</translation>
    </message>
    <message>
        <source>linea %1 non risponde</source>
        <translation>line %1 does not answer</translation>
    </message>
    <message>
        <source>Il programma %1 non è in archivio.</source>
        <translation>Program %1 is not in the archive.</translation>
    </message>
    <message>
        <source>Il programma %1 non può essere caricato: il codice deve essere un numero da 1 a 98.</source>
        <translation>Program %1 cannot be loaded: the code must be a number from 1 to 98.</translation>
    </message>
    <message>
        <source>Il programma è quello corrente; non è possibile cancellarlo!</source>
        <translation>This is the program in use; it cannot be deleted!</translation>
    </message>
    <message>
        <source>Tutti i codici da 01 a 98 sono già usati: cancellare un programma.</source>
        <translation>All codes from 01 to 98 are in use: delete a program.</translation>
    </message>
    <message>
        <source>programma %1 non in archivio</source>
        <translation>program %1 not in the archive</translation>
    </message>
    <message>
        <source>Il campo %1 non contiene un numero intero: &quot;%2&quot;. La bolla non è stata salvata.</source>
        <translation>Field %1 does not hold a whole number: &quot;%2&quot;. The delivery note was not saved.</translation>
    </message>
    <message>
        <source>Totale partita deve essere maggiore di zero!</source>
        <translation>Batch total must be greater than zero!</translation>
    </message>
    <message>
        <source>azzione scarti!</source>
        <translation>reject action!</translation>
    </message>
    <message>
        <source>nessun programma caricato</source>
        <translation>no program loaded</translation>
    </message>
    <message>
        <source>Verificare che la macchina sia vuota, premere Yes per eseguire la calibrazione.</source>
        <translation>Check that the machine is empty, press Yes to run the calibration.</translation>
    </message>
    <message>
        <source>La bolla %1 non è stata salvata: %2. I totali restano nella centralina.</source>
        <translation>Delivery note %1 was not saved: %2. The totals stay in the controller.</translation>
    </message>
    <message>
        <source>La bolla %1 è in attesa: sarà archiviata appena il database risponde.</source>
        <translation>Delivery note %1 is waiting: it will be archived as soon as the database answers.</translation>
    </message>
    <message>
        <source>Il record della bolla %1 è in attesa: la cartella %2 non è scrivibile.</source>
        <translation>The record of delivery note %1 is waiting: folder %2 cannot be written.</translation>
    </message>
    <message>
        <source>Giornale delle bolle non disponibile: %1</source>
        <translation>Delivery note journal not available: %1</translation>
    </message>
    <message>
        <source>Esportazione non scritta: %1</source>
        <translation>Export not written: %1</translation>
    </message>
    <message>
        <source>Lavorazione precedente n: %1</source>
        <translation>Previous run no: %1</translation>
    </message>
    <message>
        <source>%1 bolle in attesa</source>
        <translation>%1 notes waiting</translation>
    </message>
    <message>
        <source>%1 record in attesa</source>
        <translation>%1 records waiting</translation>
    </message>
    <message>
        <source>Attenzione! le modifiche apportate nel quadro che segue possono alterare il funzionamento della macchina. Si vuole proseguire?</source>
        <translation>Warning! Changes made in the following window may alter the operation of the machine. Do you want to continue?</translation>
    </message>
    <message>
        <source>Com non disponibile nel computer, il programma terminera!</source>
        <translation>COM port not available on this computer, the program will end!</translation>
    </message>
    <message>
        <source>Com Scarti non disponibile nel computer, il programma terminera!</source>
        <translation>Reject station COM port not available on this computer, the program will end!</translation>
    </message>
    <message>
        <source>Dischetto sul floppy non presente o non leggibile!</source>
        <translation>Disk not present or not readable!</translation>
    </message>
    <message>
        <source>Salvataggio effettuato!</source>
        <translation>Saved!</translation>
    </message>
    <message>
        <source>Ripristino effettuato!</source>
        <translation>Restored!</translation>
    </message>
    <message>
        <source>Cancellazione non possibile, Bolla precedente in corso.</source>
        <translation>Deletion not possible, previous delivery in progress.</translation>
    </message>
    <message>
        <source>Cancellare archivio Bolle? non sarà possibile recuperarlo.</source>
        <translation>Delete the delivery archive? It cannot be recovered.</translation>
    </message>
    <message>
        <source>Cancellare archivio Produttori? non sarà possibile recuperarlo.</source>
        <translation>Delete the producer archive? It cannot be recovered.</translation>
    </message>
    <message>
        <source>Archivio Bolle cancellato!</source>
        <translation>Delivery archive deleted!</translation>
    </message>
    <message>
        <source>Archivio Produttori cancellato!</source>
        <translation>Producer archive deleted!</translation>
    </message>
    <message>
        <source>Copia di sicurezza non riuscita: archivio non cancellato.</source>
        <translation>Backup copy failed: archive not deleted.</translation>
    </message>
    <message>
        <source>Copia di sicurezza dell&apos;archivio in %1</source>
        <translation>Archive backup copy in %1</translation>
    </message>
    <message>
        <source>Impossibile avviare il programma di aggiornamento %1</source>
        <translation>Cannot start the update program %1</translation>
    </message>
    <message>
        <source>Termine Memorizzato non accettato!</source>
        <translation>End of stored test not accepted!</translation>
    </message>
    <message>
        <source>Fine funzione oscilloscopio... non eseguita!</source>
        <translation>End of oscilloscope function... not done!</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1: le tracce non vengono più salvate.</source>
        <translation>Cannot write file %1: traces are no longer saved.</translation>
    </message>
    <message>
        <source>Totali con la bolla archiviata n: %1 (azzerare F8)</source>
        <translation>Totals include stored batch no: %1 (reset F8)</translation>
    </message>
    <message>
        <source>La linea %1 non ha dato i totali: la bolla non è stata archiviata. Premere F9 quando la linea risponde.</source>
        <translation>Line %1 gave no totals: the batch was not stored. Press F9 when the line answers.</translation>
    </message>
    <message>
        <source>%1 bolle rifiutate</source>
        <translation>%1 notes refused</translation>
    </message>
    <message>
        <source>La bolla %1 è stata rifiutata dall&apos;archivio: %2. Resta nel giornale tra le bolle rifiutate.</source>
        <translation>The archive refused delivery note %1: %2. It stays in the journal among the refused notes.</translation>
    </message>
    <message>
        <source>La bolla è stata registrata con il numero %1: il numero %2 è stato preso nel frattempo da un&apos;altra bolla.</source>
        <translation>The delivery note was registered as number %1: another delivery note took number %2 meanwhile.</translation>
    </message>
    <message>
        <source>La bolla %1 è stata cancellata dopo l&apos;apertura: le modifiche non sono state salvate.</source>
        <translation>Delivery note %1 was deleted after it was opened: the changes were not saved.</translation>
    </message>
    <message>
        <source>La bolla %1 è stata cambiata dopo l&apos;apertura: le modifiche non sono state salvate.</source>
        <translation>Delivery note %1 was changed after it was opened: the changes were not saved.</translation>
    </message>
    <message>
        <source>La bolla %1 non esiste più.</source>
        <translation>Delivery note %1 no longer exists.</translation>
    </message>
    <message>
        <source>Errore imprevisto: %1. Il programma viene chiuso.</source>
        <translation>Unexpected error: %1. The program is closing.</translation>
    </message>
    <message>
        <source>Configurazione non leggibile (%1): il programma termina senza modificarla.</source>
        <translation>Configuration unreadable (%1): the program ends without changing it.</translation>
    </message>
    <message>
        <source>Il file non contiene impostazioni dell&apos;installazione: niente ripristinato.</source>
        <translation>The file holds no installation settings: nothing restored.</translation>
    </message>
    <message>
        <source>Le impostazioni del file sono già quelle in uso: niente da ripristinare.</source>
        <translation>The file&apos;s settings are already the ones in use: nothing to restore.</translation>
    </message>
    <message>
        <source>Impostazioni che il ripristino cambia: %1. Procedere?</source>
        <translation>Settings the restore changes: %1. Go ahead?</translation>
    </message>
    <message>
        <source>Programma di aggiornamento non installato: %1</source>
        <translation>Update program not installed: %1</translation>
    </message>
    <message>
        <source>%1 - Macchina %2</source>
        <translation>%1 - Machine %2</translation>
    </message>
</context>
<context>
    <name>ProgramMessages</name>
    <message>
        <source> Caricamento Programma </source>
        <translation> Loading program </translation>
    </message>
    <message>
        <source> Cancella Programma </source>
        <translation> Delete program </translation>
    </message>
    <message>
        <source>La centralina è spenta, accenderla per favore!</source>
        <translation>The controller is off: please switch it on!</translation>
    </message>
    <message>
        <source>Il programma %1 non può essere caricato: il codice deve essere un numero da 1 a 98.</source>
        <translation>Program %1 cannot be loaded: the code must be a number from 1 to 98.</translation>
    </message>
    <message>
        <source>Il programma è quello corrente; non è possibile cancellarlo!</source>
        <translation>This is the program in use; it cannot be deleted!</translation>
    </message>
    <message>
        <source>Tutti i codici da 01 a 98 sono già usati: cancellare un programma.</source>
        <translation>All codes from 01 to 98 are in use: delete a program.</translation>
    </message>
    <message>
        <source>Il programma %1 non è in archivio.</source>
        <translation>Program %1 is not in the archive.</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TListaBolla</name>
    <message>
        <source>Lista Bolle</source>
        <translation>Delivery note list</translation>
    </message>
    <message>
        <source>Selezionare la Bolla</source>
        <translation>Select the delivery note</translation>
    </message>
    <message>
        <source>Numero  Bolle</source>
        <translation>Number of delivery notes</translation>
    </message>
    <message>
        <source>Partita</source>
        <translation>Batch</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Reject</translation>
    </message>
    <message>
        <source>&lt;nuovo produttore&gt;</source>
        <translation>&lt;new producer&gt;</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TListaProduttori</name>
    <message>
        <source>Lista Produttori</source>
        <translation>Producer list</translation>
    </message>
    <message>
        <source>Selezionare il produttore</source>
        <translation>Select the producer</translation>
    </message>
    <message>
        <source>Numero  Produttori</source>
        <translation>Number of producers</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TModDati</name>
    <message>
        <source>Bolla ritiro N:</source>
        <translation>Delivery note No.:</translation>
    </message>
    <message>
        <source>Codice :</source>
        <translation>Code:</translation>
    </message>
    <message>
        <source>Descrizione :</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Note :</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>Totale Partita kg:</source>
        <translation>Batch total kg:</translation>
    </message>
    <message>
        <source>Lotto N:</source>
        <translation>Lot No.:</translation>
    </message>
    <message>
        <source>N Casse:</source>
        <translation>No. of crates:</translation>
    </message>
    <message>
        <source>N Pedane:</source>
        <translation>No. of pallets:</translation>
    </message>
    <message>
        <source>Operatore:</source>
        <translation>Operator:</translation>
    </message>
    <message>
        <source>Dati Bolla</source>
        <translation>Delivery note data</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Producer</translation>
    </message>
    <message>
        <source>Cambia</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Forza Data </source>
        <translation>Force date </translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TNewBolla</name>
    <message>
        <source>Ripartizione Calibri</source>
        <translation>Breakdown by size</translation>
    </message>
    <message>
        <source>Nuova Bolla</source>
        <translation>New delivery note</translation>
    </message>
    <message>
        <source>Qualita %1</source>
        <translation>Quality %1</translation>
    </message>
    <message>
        <source>Partita</source>
        <translation>Batch</translation>
    </message>
    <message>
        <source>Cambia</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>gr</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>Totale calibro %1, Qualita %2</source>
        <translation>Total of size %1, quality %2</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Reject</translation>
    </message>
    <message>
        <source>Tot Partita</source>
        <translation>Batch total</translation>
    </message>
    <message>
        <source>num. Casse</source>
        <translation>no. of crates</translation>
    </message>
    <message>
        <source>num. Pedane</source>
        <translation>no. of pallets</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Percentuale</source>
        <translation>Percentage</translation>
    </message>
    <message>
        <source>Qualita 1</source>
        <translation>Quality 1</translation>
    </message>
    <message>
        <source>Qualita 2</source>
        <translation>Quality 2</translation>
    </message>
    <message>
        <source>Qualita 3</source>
        <translation>Quality 3</translation>
    </message>
    <message>
        <source>Qualita 4</source>
        <translation>Quality 4</translation>
    </message>
    <message>
        <source>TOTALE</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Bolla</source>
        <translation>Delivery note</translation>
    </message>
    <message>
        <source>Numero</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Lotto</source>
        <translation>Lot</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Producer</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Codice a Barre</source>
        <translation>Barcode</translation>
    </message>
    <message>
        <source>Operatore</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Ricalcolo</source>
        <translation>Recalculation</translation>
    </message>
    <message>
        <source>Valore: %1   (%2 al Kg)   listino dal %3</source>
        <translation>Value: %1   (%2 per Kg)   price list from %3</translation>
    </message>
    <message>
        <source>Q%1 C%2</source>
        <translation>Q%1 C%2</translation>
    </message>
    <message>
        <source>Senza prezzo: %1</source>
        <translation>No price: %1</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TProduttori</name>
    <message>
        <source>Dato Produttore</source>
        <translation>Producer data</translation>
    </message>
    <message>
        <source>codice produttore</source>
        <translation>producer code</translation>
    </message>
    <message>
        <source>descrizione produttore</source>
        <translation>producer description</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>kv7::batches::Texpfiltdata</name>
    <message>
        <source>Esporta Bolle con filtro per DATA</source>
        <translation>Export delivery notes filtered by DATE</translation>
    </message>
    <message>
        <source>Data inizio</source>
        <translation>Start date</translation>
    </message>
    <message>
        <source>Data Fine</source>
        <translation>End date</translation>
    </message>
    <message>
        <source>Nomi campi</source>
        <translation>Field names</translation>
    </message>
    <message>
        <source>ESPORTA</source>
        <translation>EXPORT</translation>
    </message>
</context>
<context>
    <name>kv7::installation::TInstallazione</name>
    <message>
        <source>variabile</source>
        <translation>variable</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>60% /3 Passi</source>
        <translation>60% /3 steps</translation>
    </message>
    <message>
        <source>100% /3 Passi</source>
        <translation>100% /3 steps</translation>
    </message>
    <message>
        <source>TARA/LINEA</source>
        <translation>TARE/LINE</translation>
    </message>
    <message>
        <source>TARA/TAZZA</source>
        <translation>TARE/CUP</translation>
    </message>
    <message>
        <source>TARA INC.(1gr)</source>
        <translation>INCR. TARE(1g)</translation>
    </message>
    <message>
        <source>TARA INC.(2gr)</source>
        <translation>INCR. TARE(2g)</translation>
    </message>
    <message>
        <source>TARA INC.(3gr)</source>
        <translation>INCR. TARE(3g)</translation>
    </message>
    <message>
        <source>TARA INC.(4gr)</source>
        <translation>INCR. TARE(4g)</translation>
    </message>
    <message>
        <source>TARA INC.(5gr)</source>
        <translation>INCR. TARE(5g)</translation>
    </message>
    <message>
        <source>TARA INC.(6gr)</source>
        <translation>INCR. TARE(6g)</translation>
    </message>
    <message>
        <source>Seriale Centralina</source>
        <translation>Controller serial port</translation>
    </message>
    <message>
        <source>Seriale S. Barcode</source>
        <translation>Barcode reader serial port</translation>
    </message>
    <message>
        <source>Seriale S. Scarti</source>
        <translation>Reject station serial port</translation>
    </message>
    <message>
        <source>Abilita</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>Seriali</source>
        <translation>Serial ports</translation>
    </message>
    <message>
        <source>Numero linee</source>
        <translation>Number of lines</translation>
    </message>
    <message>
        <source>Numero Uscite</source>
        <translation>Number of outlets</translation>
    </message>
    <message>
        <source>Numero Tazze/L.</source>
        <translation>Cups per line</translation>
    </message>
    <message>
        <source>Tipo attiv. Magn.</source>
        <translation>Magnet activation</translation>
    </message>
    <message>
        <source>Durata Att.</source>
        <translation>Activation time</translation>
    </message>
    <message>
        <source>Apertura Magneti</source>
        <translation>Magnet opening</translation>
    </message>
    <message>
        <source>Fase Zero Encoder</source>
        <translation>Encoder zero phase</translation>
    </message>
    <message>
        <source>verso rotazione encoder</source>
        <translation>encoder rotation direction</translation>
    </message>
    <message>
        <source>Macchina</source>
        <translation>Machine</translation>
    </message>
    <message>
        <source>Lettura I/F</source>
        <translation>Reading S/E</translation>
    </message>
    <message>
        <source>K-peso</source>
        <translation>K-weight</translation>
    </message>
    <message>
        <source>Qualita linee</source>
        <translation>Line quality</translation>
    </message>
    <message>
        <source>Rit. Tara</source>
        <translation>Tare delay</translation>
    </message>
    <message>
        <source>Tipo Tara</source>
        <translation>Tare type</translation>
    </message>
    <message>
        <source>Dist. FC</source>
        <translation>EOS dist.</translation>
    </message>
    <message>
        <source>Durata FC</source>
        <translation>EOS duration</translation>
    </message>
    <message>
        <source>ritardo FC</source>
        <translation>EOS delay</translation>
    </message>
    <message>
        <source>Tara e fine campione</source>
        <translation>Tare and end of sample</translation>
    </message>
    <message>
        <source>Installazione</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>Linea %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>Qualità%1</source>
        <translation>Quality%1</translation>
    </message>
    <message>
        <source>non abilitata</source>
        <translation>not enabled</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>◄ sinistra</source>
        <translation>◄ left</translation>
    </message>
    <message>
        <source>destra ►</source>
        <translation>right ►</translation>
    </message>
    <message>
        <source>Il campo &quot;%1&quot; deve contenere un numero intero.</source>
        <translation>The field &quot;%1&quot; must hold a whole number.</translation>
    </message>
    <message>
        <source>Il campo &quot;%1&quot; deve contenere un numero da 0 a %2: la centralina non ne riceve altri.</source>
        <translation>The field &quot;%1&quot; must hold a number from 0 to %2: the controller takes no other.</translation>
    </message>
    <message>
        <source>Distanza Uscite</source>
        <translation>Outlet distance</translation>
    </message>
    <message>
        <source>Nuova password servizio</source>
        <translation>New service password</translation>
    </message>
    <message>
        <source>Ripeti</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>Nuova password azzeramenti</source>
        <translation>New reset password</translation>
    </message>
    <message>
        <source>Password (vuote: restano quelle in uso)</source>
        <translation>Passwords (empty: the ones in use stay)</translation>
    </message>
    <message>
        <source>La nuova password non è stata scritta uguale due volte.</source>
        <translation>The new password was not typed the same twice.</translation>
    </message>
    <message>
        <source>Numero Macchina</source>
        <translation>Machine number</translation>
    </message>
</context>
<context>
    <name>kv7::installation::Tpasswd</name>
    <message>
        <source>Password Accesso Servizio</source>
        <translation>Service access password</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Entra</source>
        <translation>Enter</translation>
    </message>
</context>
<context>
    <name>kv7::prices::TListino</name>
    <message>
        <source>Listino prezzi</source>
        <translation>Price list</translation>
    </message>
    <message>
        <source>Valido dal</source>
        <translation>Valid from</translation>
    </message>
    <message>
        <source>Listini</source>
        <translation>Price lists</translation>
    </message>
    <message>
        <source>Prezzo Scarto (Q5)</source>
        <translation>Reject price (Q5)</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Qualita %1</source>
        <translation>Quality %1</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Prezzo al Kg</source>
        <translation>Price per Kg</translation>
    </message>
    <message>
        <source>Programma %1  %2</source>
        <translation>Program %1  %2</translation>
    </message>
    <message>
        <source>Prezzo non valido: %1</source>
        <translation>Invalid price: %1</translation>
    </message>
</context>
<context>
    <name>kv7::programs::TListaProgrammi</name>
    <message>
        <source>Lista Programmi</source>
        <translation>Program list</translation>
    </message>
    <message>
        <source>Selezionare il programma</source>
        <translation>Select the program</translation>
    </message>
    <message>
        <source>Numero  Programmi</source>
        <translation>Number of programs</translation>
    </message>
</context>
<context>
    <name>kv7::programs::TNewProgram</name>
    <message>
        <source>Programma</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Codice</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Pesi Qualita %1</source>
        <translation>Quality %1 weights</translation>
    </message>
    <message>
        <source>Codice SQL Q5</source>
        <translation>SQL code Q5</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Codice SQL</source>
        <translation>SQL code</translation>
    </message>
    <message>
        <source>Modifica programma N. </source>
        <translation>Edit program no. </translation>
    </message>
    <message>
        <source>il campo codice programma deve essere un numero di max 2 cifre!</source>
        <translation>the program code must be a number of at most 2 digits!</translation>
    </message>
    <message>
        <source>Qualita %1, calibro %2: il peso %3 deve essere un numero intero; il programma non è stato salvato.</source>
        <translation>Quality %1, size %2: weight %3 must be a whole number; the program was not saved.</translation>
    </message>
    <message>
        <source>massimo</source>
        <translation>maximum</translation>
    </message>
    <message>
        <source>minimo</source>
        <translation>minimum</translation>
    </message>
    <message>
        <source>Il codice programma deve essere un numero da 1 a 98: la centralina non carica programmi con altri numeri. Il programma non è stato salvato.</source>
        <translation>The program code must be a number from 1 to 98: the controller does not load programs with other numbers. The program has not been saved.</translation>
    </message>
</context>
<context>
    <name>kv7::programs::TParProg</name>
    <message>
        <source>Parametri  Programma</source>
        <translation>Program parameters</translation>
    </message>
    <message>
        <source>Archiviazione</source>
        <translation>Archiving</translation>
    </message>
    <message>
        <source>Stampa Bolla</source>
        <translation>Print delivery note</translation>
    </message>
    <message>
        <source>Trasmis. al remoto</source>
        <translation>Send to remote</translation>
    </message>
    <message>
        <source>Stampa grammature</source>
        <translation>Print size weights</translation>
    </message>
    <message>
        <source>Fine Partita Autom.</source>
        <translation>Automatic end of batch</translation>
    </message>
    <message>
        <source>grammi</source>
        <translation>grams</translation>
    </message>
    <message>
        <source>Kilogrammi</source>
        <translation>Kilograms</translation>
    </message>
    <message>
        <source>Totali espressi in</source>
        <translation>Totals shown in</translation>
    </message>
    <message>
        <source>Numero Copie Bolle</source>
        <translation>Delivery note copies</translation>
    </message>
    <message>
        <source>Sfoglia..</source>
        <translation>Browse..</translation>
    </message>
    <message>
        <source>Directory esp-AS400</source>
        <translation>AS400 export folder</translation>
    </message>
    <message>
        <source>Auto Rinfresco Totali</source>
        <translation>Automatic totals refresh</translation>
    </message>
    <message>
        <source>Avviso limite Percentuale raggiunta</source>
        <translation>Warning when a share limit is reached</translation>
    </message>
    <message>
        <source>Limite Perc. Q%1</source>
        <translation>Share limit Q%1</translation>
    </message>
    <message>
        <source>Font Stampe</source>
        <translation>Print font</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Copia PDF della bolla</source>
        <translation>PDF copy of the delivery note</translation>
    </message>
</context>
<context>
    <name>kv7::reports::PagePainter</name>
    <message>
        <source> Stampa Programma </source>
        <translation> Print Program </translation>
    </message>
    <message>
        <source>LAVORAZIONE</source>
        <translation>PROCESSING</translation>
    </message>
    <message>
        <source>STAMPA BOLLA</source>
        <translation>PRINT DELIVERY NOTE</translation>
    </message>
    <message>
        <source>Prima Qualita</source>
        <translation>First Quality</translation>
    </message>
    <message>
        <source>Qualita 2</source>
        <translation>Quality 2</translation>
    </message>
    <message>
        <source>Qualita 3</source>
        <translation>Quality 3</translation>
    </message>
    <message>
        <source>Qualita 4</source>
        <translation>Quality 4</translation>
    </message>
    <message>
        <source>Data Bolla: </source>
        <translation>Note Date: </translation>
    </message>
    <message>
        <source>Numero Bolla: </source>
        <translation>Note Number: </translation>
    </message>
    <message>
        <source>Numero Registrazione: </source>
        <translation>Registration Number: </translation>
    </message>
    <message>
        <source>Lotto Bolla: </source>
        <translation>Note Lot: </translation>
    </message>
    <message>
        <source>Numero Programma:</source>
        <translation>Program Number:</translation>
    </message>
    <message>
        <source>Operatore: </source>
        <translation>Operator: </translation>
    </message>
    <message>
        <source>Descrizione:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Cod. produttore: </source>
        <translation>Producer code: </translation>
    </message>
    <message>
        <source>Descrizione: </source>
        <translation>Description: </translation>
    </message>
    <message>
        <source>calibro</source>
        <translation>size</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Totali</source>
        <translation>Totals</translation>
    </message>
    <message>
        <source>Perc.</source>
        <translation>Perc.</translation>
    </message>
    <message>
        <source>Tot.PrimaQ</source>
        <translation>Tot.FirstQ</translation>
    </message>
    <message>
        <source>Tot.Q2</source>
        <translation>Tot.Q2</translation>
    </message>
    <message>
        <source>Tot.Q5(Scarto)</source>
        <translation>Tot.Q5(Reject)</translation>
    </message>
    <message>
        <source>Tot.Q3</source>
        <translation>Tot.Q3</translation>
    </message>
    <message>
        <source>Tot.Q4</source>
        <translation>Tot.Q4</translation>
    </message>
    <message>
        <source>Tot. Generale</source>
        <translation>Grand Total</translation>
    </message>
    <message>
        <source>n. Casse:</source>
        <translation>n. Crates:</translation>
    </message>
    <message>
        <source>n. Pedane:</source>
        <translation>n. Pallets:</translation>
    </message>
    <message>
        <source>note:</source>
        <translation>notes:</translation>
    </message>
    <message>
        <source>STAMPA PROGRAMMA</source>
        <translation>PRINT PROGRAM</translation>
    </message>
    <message>
        <source>Qualita %1</source>
        <translation>Quality %1</translation>
    </message>
    <message>
        <source>STAMPA INSTALLAZIONE</source>
        <translation>PRINT INSTALLATION</translation>
    </message>
    <message>
        <source>Data: </source>
        <translation>Date: </translation>
    </message>
    <message>
        <source>Numero linee: </source>
        <translation>Number of lines: </translation>
    </message>
    <message>
        <source>Numero tazze: </source>
        <translation>Number of cups: </translation>
    </message>
    <message>
        <source>Ritardo Tara:</source>
        <translation>Tare Delay:</translation>
    </message>
    <message>
        <source>Tipo Tara:</source>
        <translation>Tare Type:</translation>
    </message>
    <message>
        <source>dir encoder:</source>
        <translation>encoder dir:</translation>
    </message>
    <message>
        <source>zero encoder:</source>
        <translation>encoder zero:</translation>
    </message>
    <message>
        <source>Linea %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>ini: </source>
        <translation>start: </translation>
    </message>
    <message>
        <source>fine: </source>
        <translation>end: </translation>
    </message>
    <message>
        <source>kappa:</source>
        <translation>kappa:</translation>
    </message>
    <message>
        <source>Qual: </source>
        <translation>Qual: </translation>
    </message>
    <message>
        <source>Codice</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>STAMPA PRODUTTORI</source>
        <translation>PRINT PRODUCERS</translation>
    </message>
    <message>
        <source>Costo al Kg.</source>
        <translation>Cost per Kg.</translation>
    </message>
    <message>
        <source>L. %1   %2</source>
        <translation>L. %1   %2</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Macchina</source>
        <translation>Machine</translation>
    </message>
    <message>
        <source>Settimana</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Grower</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Bolle</source>
        <translation>Deliveries</translation>
    </message>
    <message>
        <source>Kg dich.</source>
        <translation>Decl. kg</translation>
    </message>
    <message>
        <source>Kg camp.</source>
        <translation>Sampled kg</translation>
    </message>
    <message>
        <source>Valore:</source>
        <translation>Value:</translation>
    </message>
    <message>
        <source>%1   (%2 al Kg)</source>
        <translation>%1   (%2 per Kg)</translation>
    </message>
    <message>
        <source>Listino dal %1</source>
        <translation>Price list from %1</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Reject</translation>
    </message>
    <message>
        <source>Q%1 C%2</source>
        <translation>Q%1 C%2</translation>
    </message>
    <message>
        <source>Senza prezzo: %1</source>
        <translation>No price: %1</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Num.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Bolla</source>
        <translation>Delivery note</translation>
    </message>
    <message>
        <source>Q1 %</source>
        <translation>Q1 %</translation>
    </message>
    <message>
        <source>Q2 %</source>
        <translation>Q2 %</translation>
    </message>
    <message>
        <source>Q3 %</source>
        <translation>Q3 %</translation>
    </message>
    <message>
        <source>Q4 %</source>
        <translation>Q4 %</translation>
    </message>
    <message>
        <source>Scarto %</source>
        <translation>Reject %</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Valore/Kg</source>
        <translation>Value/kg</translation>
    </message>
    <message>
        <source>STATISTICHE</source>
        <translation>STATISTICS</translation>
    </message>
    <message>
        <source>ESTRATTO CONTO STAGIONE</source>
        <translation>SEASON STATEMENT</translation>
    </message>
    <message>
        <source>Periodo: %1 - %2</source>
        <translation>Period: %1 - %2</translation>
    </message>
    <message>
        <source>Produttore: %1</source>
        <translation>Grower: %1</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>%1 al Kg</source>
        <translation>%1 per Kg</translation>
    </message>
    <message>
        <source>Macchina %1</source>
        <translation>Machine %1</translation>
    </message>
    <message>
        <source>modificata il %1</source>
        <translation>modified on %1</translation>
    </message>
</context>
<context>
    <name>kv7::reports::TEstrattoConto</name>
    <message>
        <source>Estratto conto stagione</source>
        <translation>Season statement</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Grower</translation>
    </message>
    <message>
        <source>Dal</source>
        <translation>From</translation>
    </message>
    <message>
        <source>Al</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>kv7::reports::TImpAzienda</name>
    <message>
        <source>Impostazione Azienda</source>
        <translation>Company Settings</translation>
    </message>
    <message>
        <source>&amp;Intestazione (4 righe):</source>
        <translation>&amp;Heading (4 lines):</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>kv7::reports::TImpCosti</name>
    <message>
        <source>Impostazione Costi</source>
        <translation>Cost settings</translation>
    </message>
    <message>
        <source>Persone</source>
        <translation>Persons</translation>
    </message>
    <message>
        <source>Costo orario</source>
        <translation>Hourly cost</translation>
    </message>
    <message>
        <source>Categoria %1</source>
        <translation>Category %1</translation>
    </message>
    <message>
        <source>Costo orario complessivo</source>
        <translation>Total hourly cost</translation>
    </message>
    <message>
        <source>Costo / Minuto</source>
        <translation>Cost / Minute</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>I valori della categoria %1 sono fuori misura</source>
        <translation>The figures of category %1 are out of range</translation>
    </message>
</context>
<context>
    <name>kv7::reports::TPrint_boll</name>
    <message>
        <source>stampa programma</source>
        <translation>print program</translation>
    </message>
    <message>
        <source>stampa installazione</source>
        <translation>print installation</translation>
    </message>
    <message>
        <source>stampa produttori</source>
        <translation>print producers</translation>
    </message>
    <message>
        <source>stampa bolla</source>
        <translation>print delivery note</translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Salva &amp;PDF</source>
        <translation>Save &amp;PDF</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Save PDF</translation>
    </message>
    <message>
        <source>File PDF non scritto: %1</source>
        <translation>PDF file not written: %1</translation>
    </message>
    <message>
        <source>stampa statistiche</source>
        <translation>print statistics</translation>
    </message>
    <message>
        <source>estratto conto stagione</source>
        <translation>season statement</translation>
    </message>
</context>
<context>
    <name>kv7::service::ServiceDialog</name>
    <message>
        <source>L %1</source>
        <translation>L %1</translation>
    </message>
</context>
<context>
    <name>kv7::service::TCalibrazione_Linee</name>
    <message>
        <source>Calibrazione Linee</source>
        <translation>Line calibration</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Procedura Automatica</source>
        <translation>Automatic procedure</translation>
    </message>
    <message>
        <source>Inizia</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Peso Campione</source>
        <translation>Sample weight</translation>
    </message>
    <message>
        <source>Procedura Manuale</source>
        <translation>Manual procedure</translation>
    </message>
    <message>
        <source>Linea</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>- N° -</source>
        <translation>- No. -</translation>
    </message>
    <message>
        <source>- KAPPA -</source>
        <translation>- KAPPA -</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Correzione errori</source>
        <translation>Error correction</translation>
    </message>
    <message>
        <source>Sovrapeso</source>
        <translation>Overweight</translation>
    </message>
    <message>
        <source>Sottopeso</source>
        <translation>Underweight</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestCelle</name>
    <message>
        <source>Test Celle</source>
        <translation>Load cell test</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestEncoder</name>
    <message>
        <source>Test Encoder</source>
        <translation>Encoder test</translation>
    </message>
    <message>
        <source>N. Giro</source>
        <translation>Turn no.</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Ultimo Errore</source>
        <translation>Last error</translation>
    </message>
    <message>
        <source>Penultimo Errore</source>
        <translation>Second last error</translation>
    </message>
    <message>
        <source>Terzultimo Errore</source>
        <translation>Third last error</translation>
    </message>
    <message>
        <source>Quartultimo Errore</source>
        <translation>Fourth last error</translation>
    </message>
    <message>
        <source>Quintultimo Errore</source>
        <translation>Fifth last error</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestMagneti</name>
    <message>
        <source>Test Magneti</source>
        <translation>Magnet test</translation>
    </message>
    <message>
        <source>Test Dinamico</source>
        <translation>Dynamic test</translation>
    </message>
    <message>
        <source>Test Statico</source>
        <translation>Static test</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Uscita N.</source>
        <translation>Outlet no.</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestMem</name>
    <message>
        <source>TEST NETTO MEMORIZZATO</source>
        <translation>STORED NET TEST</translation>
    </message>
    <message>
        <source>N. TAZZA</source>
        <translation>CUP NO.</translation>
    </message>
    <message>
        <source>TARA</source>
        <translation>TARE</translation>
    </message>
    <message>
        <source>NETTO</source>
        <translation>NET</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestOscilloscopio</name>
    <message>
        <source>Funzione Oscilloscopio</source>
        <translation>Oscilloscope</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Globale</source>
        <translation>Full scale</translation>
    </message>
    <message>
        <source>Cattura</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>Linea in esame</source>
        <translation>Line under test</translation>
    </message>
    <message>
        <source>Soglia lnnesco</source>
        <translation>Trigger threshold</translation>
    </message>
    <message>
        <source>Tazza</source>
        <translation>Cup</translation>
    </message>
    <message>
        <source>minimo</source>
        <translation>minimum</translation>
    </message>
    <message>
        <source>massimo</source>
        <translation>maximum</translation>
    </message>
    <message>
        <source>Lordo Assoluto</source>
        <translation>Absolute gross</translation>
    </message>
    <message>
        <source>Salva su File</source>
        <translation>Save to file</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Regolazione Fase</source>
        <translation>Phase adjustment</translation>
    </message>
    <message>
        <source>Fase Zero</source>
        <translation>Zero phase</translation>
    </message>
    <message>
        <source>Aggiorna</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Ferma</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>cattura</source>
        <translation>capture</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestTazzeVuote</name>
    <message>
        <source>Test Tazze Vuote</source>
        <translation>Empty cup test</translation>
    </message>
    <message>
        <source>Numero Tazza</source>
        <translation>Cup number</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Limite +/-</source>
        <translation>Limit +/-</translation>
    </message>
    <message>
        <source>gr</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Start</translation>
    </message>
</context>
<context>
    <name>kv7::service::Ttabtara</name>
    <message>
        <source>TABELLA TARA</source>
        <translation>TARE TABLE</translation>
    </message>
    <message>
        <source>Rinfresca</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>N.</source>
        <translation>No.</translation>
    </message>
</context>
<context>
    <name>kv7::stats::TStatistiche</name>
    <message>
        <source>Qualita 1</source>
        <translation>Quality 1</translation>
    </message>
    <message>
        <source>Qualita 2</source>
        <translation>Quality 2</translation>
    </message>
    <message>
        <source>Qualita 3</source>
        <translation>Quality 3</translation>
    </message>
    <message>
        <source>Qualita 4</source>
        <translation>Quality 4</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Reject</translation>
    </message>
    <message>
        <source>Nessuna bolla nel periodo</source>
        <translation>No delivery in the period</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Calibri: %1</source>
        <translation>Classes: %1</translation>
    </message>
    <message>
        <source>Andamento settimanale: scegliere un produttore</source>
        <translation>Weekly trend: choose a grower</translation>
    </message>
    <message>
        <source>Andamento settimanale: %1</source>
        <translation>Weekly trend: %1</translation>
    </message>
    <message>
        <source>Archivio non disponibile</source>
        <translation>Archive not available</translation>
    </message>
    <message>
        <source>File CSV non scritto: %1</source>
        <translation>CSV file not written: %1</translation>
    </message>
    <message>
        <source>Scritto %1</source>
        <translation>Written %1</translation>
    </message>
    <message>
        <source>Esporta CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>File CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Statistiche</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>&amp;Dal:</source>
        <translation>&amp;From:</translation>
    </message>
    <message>
        <source>&amp;Al:</source>
        <translation>&amp;To:</translation>
    </message>
    <message>
        <source>&amp;Raggruppa per:</source>
        <translation>&amp;Group by:</translation>
    </message>
    <message>
        <source>&amp;Produttore:</source>
        <translation>&amp;Grower:</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Grower</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Macchina</source>
        <translation>Machine</translation>
    </message>
    <message>
        <source>Settimana</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>A&amp;ggiorna</source>
        <translation>&amp;Refresh</translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Esporta CSV</source>
        <translation>&amp;Export CSV</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Gruppo</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Bolle</source>
        <translation>Deliveries</translation>
    </message>
    <message>
        <source>Kg dichiarati</source>
        <translation>Declared kg</translation>
    </message>
    <message>
        <source>Kg campionati</source>
        <translation>Sampled kg</translation>
    </message>
    <message>
        <source>Q1 %</source>
        <translation>Q1 %</translation>
    </message>
    <message>
        <source>Q2 %</source>
        <translation>Q2 %</translation>
    </message>
    <message>
        <source>Q3 %</source>
        <translation>Q3 %</translation>
    </message>
    <message>
        <source>Q4 %</source>
        <translation>Q4 %</translation>
    </message>
    <message>
        <source>Scarto %</source>
        <translation>Reject %</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Valore/Kg</source>
        <translation>Value/kg</translation>
    </message>
</context>
<context>
    <name>kv7::ui::TAboutBox</name>
    <message>
        <source>Informazioni</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Versione : %1</source>
        <translation>Version : %1</translation>
    </message>
    <message>
        <source>Nome Prodotto : %1</source>
        <translation>Product name : %1</translation>
    </message>
</context>
<context>
    <name>kv7::ui::TErr_map</name>
    <message>
        <source>Mappa errori SRD12</source>
        <translation>SRD12 error map</translation>
    </message>
</context>
<context>
    <name>kv7::ui::THelp</name>
    <message>
        <source>La guida dell&apos;operatore (%1) non è stata trovata in:
%2</source>
        <translation>The operator guide (%1) was not found in:
%2</translation>
    </message>
    <message>
        <source>Aiuto - Guida dell&apos;operatore</source>
        <translation>Help - Operator guide</translation>
    </message>
</context>
<context>
    <name>kv7::ui::TMain</name>
    <message>
        <source>&amp;Bolla N:</source>
        <translation>&amp;Delivery note no.:</translation>
    </message>
    <message>
        <source>T&amp;otale Partita kg:</source>
        <translation>Batch t&amp;otal kg:</translation>
    </message>
    <message>
        <source>Stampa con totale partita</source>
        <translation>Print with batch total</translation>
    </message>
    <message>
        <source>Preview stampa</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Blocco Alimentazione</source>
        <translation>Feed blocked</translation>
    </message>
    <message>
        <source>Tazza / Tazze bad</source>
        <translation>Cup / Bad cups</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Totali lavorazione</source>
        <translation>Processing totals</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Reject</translation>
    </message>
    <message>
        <source>TOTALE</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>Codici a barre</source>
        <translation>Barcodes</translation>
    </message>
    <message>
        <source>Qualita &amp;%1</source>
        <translation>Quality &amp;%1</translation>
    </message>
    <message>
        <source>Qualita %1</source>
        <translation>Quality %1</translation>
    </message>
    <message>
        <source>Allarme qualita: premere per tacitare</source>
        <translation>Quality alarm: press to silence</translation>
    </message>
    <message>
        <source>&amp;Lavorazione</source>
        <translation>&amp;Processing</translation>
    </message>
    <message>
        <source>&amp;Programmi</source>
        <translation>&amp;Programs</translation>
    </message>
    <message>
        <source>&amp;Bolle</source>
        <translation>&amp;Delivery notes</translation>
    </message>
    <message>
        <source>Pro&amp;duttori</source>
        <translation>&amp;Growers</translation>
    </message>
    <message>
        <source>&amp;Installazione</source>
        <translation>&amp;Installation</translation>
    </message>
    <message>
        <source>A&amp;ssistenza</source>
        <translation>&amp;Service</translation>
    </message>
    <message>
        <source>S&amp;carti</source>
        <translation>&amp;Rejects</translation>
    </message>
    <message>
        <source>Controllo &amp;Remoto</source>
        <translation>&amp;Remote control</translation>
    </message>
    <message>
        <source>Lin&amp;gua</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Programma  (F2)</source>
        <translation>Program  (F2)</translation>
    </message>
    <message>
        <source>&amp;Modifica P/U  (F6)</source>
        <translation>&amp;Edit P/U  (F6)</translation>
    </message>
    <message>
        <source>&amp;Azzeramento   (F8)</source>
        <translation>&amp;Reset totals   (F8)</translation>
    </message>
    <message>
        <source>&amp;Dati   (F3)</source>
        <translation>&amp;Data   (F3)</translation>
    </message>
    <message>
        <source>&amp;Totali</source>
        <translation>&amp;Totals</translation>
    </message>
    <message>
        <source>&amp;Stampa   (F7)</source>
        <translation>&amp;Print   (F7)</translation>
    </message>
    <message>
        <source>&amp;Fine Lavorazione (F9)</source>
        <translation>&amp;End of batch (F9)</translation>
    </message>
    <message>
        <source>&amp;Reset Centralina</source>
        <translation>&amp;Reset controller</translation>
    </message>
    <message>
        <source>&amp;Nuovo</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Modifica</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Cancella</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Nuova</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>esporta per Date</source>
        <translation>export by dates</translation>
    </message>
    <message>
        <source>esporta giornaliero</source>
        <translation>export today</translation>
    </message>
    <message>
        <source>&amp;Azzeramento Bolle</source>
        <translation>&amp;Clear delivery notes</translation>
    </message>
    <message>
        <source>&amp;Azzera Produttori</source>
        <translation>&amp;Clear growers</translation>
    </message>
    <message>
        <source>&amp;Calibratrice</source>
        <translation>&amp;Grader</translation>
    </message>
    <message>
        <source>&amp;Programma</source>
        <translation>&amp;Program</translation>
    </message>
    <message>
        <source>&amp;Salva su Penna USB</source>
        <translation>&amp;Save to USB stick</translation>
    </message>
    <message>
        <source>&amp;Ripristina da Penna USB</source>
        <translation>&amp;Restore from USB stick</translation>
    </message>
    <message>
        <source>Controllo &amp;CELLE</source>
        <translation>Load &amp;cell check</translation>
    </message>
    <message>
        <source>&amp;Memorizzato</source>
        <translation>&amp;Stored weights</translation>
    </message>
    <message>
        <source>&amp;Encoder</source>
        <translation>&amp;Encoder</translation>
    </message>
    <message>
        <source>Controllo &amp;Tazze</source>
        <translation>Cup c&amp;heck</translation>
    </message>
    <message>
        <source>Tabella T&amp;ara</source>
        <translation>T&amp;are table</translation>
    </message>
    <message>
        <source>Ca&amp;librazione</source>
        <translation>Ca&amp;libration</translation>
    </message>
    <message>
        <source>&amp;Oscilloscopio</source>
        <translation>&amp;Oscilloscope</translation>
    </message>
    <message>
        <source>Aggiorna Tempi Scarti</source>
        <translation>Update reject times</translation>
    </message>
    <message>
        <source>Mappa errori SRD12</source>
        <translation>SRD12 error map</translation>
    </message>
    <message>
        <source>Remoto 1</source>
        <translation>Remote 1</translation>
    </message>
    <message>
        <source>Remoto 2</source>
        <translation>Remote 2</translation>
    </message>
    <message>
        <source>Remoto 3</source>
        <translation>Remote 3</translation>
    </message>
    <message>
        <source>Italiano</source>
        <translation>Italian</translation>
    </message>
    <message>
        <source>Spagnolo</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>Portoghese</source>
        <translation>Portuguese</translation>
    </message>
    <message>
        <source>Inglese</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Francese</source>
        <translation>French</translation>
    </message>
    <message>
        <source>Tedesco</source>
        <translation>German</translation>
    </message>
    <message>
        <source>Greco</source>
        <translation>Greek</translation>
    </message>
    <message>
        <source>Cinese</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>Russo</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>Indiano</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>&amp;Informazioni</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Controllo Aggiornamenti On-line</source>
        <translation>&amp;Check for updates online</translation>
    </message>
    <message>
        <source>&amp;Fine</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Costi</source>
        <translation>&amp;Costs</translation>
    </message>
    <message>
        <source>Produzione oraria = %1 ql/h</source>
        <translation>Hourly production = %1 ql/h</translation>
    </message>
    <message>
        <source>Costo L. %1   al Kg. L. %2 (%3)</source>
        <translation>Cost L. %1   per Kg. L. %2 (%3)</translation>
    </message>
    <message>
        <source>Qualità %1: % per calibro</source>
        <translation>Quality %1: % per size class</translation>
    </message>
    <message>
        <source>&amp;Azienda</source>
        <translation>&amp;Company</translation>
    </message>
    <message>
        <source>Test Ma&amp;gneti</source>
        <translation>Ma&amp;gnet test</translation>
    </message>
    <message>
        <source>Impostazioni di stampa non salvate: %1</source>
        <translation>Print settings not saved: %1</translation>
    </message>
    <message>
        <source>Costo al Kg. L. %1 %2</source>
        <translation>Cost per Kg. L. %1 %2</translation>
    </message>
    <message>
        <source>S&amp;tatistiche</source>
        <translation>S&amp;tatistics</translation>
    </message>
    <message>
        <source>&amp;Listino</source>
        <translation>Price &amp;list</translation>
    </message>
    <message>
        <source>&amp;Estratto conto stagione</source>
        <translation>&amp;Season statement</translation>
    </message>
</context>
<context>
    <name>kv7::ui::WholeNumberField</name>
    <message>
        <source>&quot;%1&quot; non è un numero intero: il campo accetta solo numeri interi.</source>
        <translation>&quot;%1&quot; is not a whole number: the field takes whole numbers only.</translation>
    </message>
</context>
<context>
    <name>kv7::web</name>
    <message>
        <source>Num.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Macchina %1</source>
        <translation>Machine %1</translation>
    </message>
    <message>
        <source>Stato</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Bolla</source>
        <translation>Delivery note</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Grower</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Macchina</source>
        <translation>Machine</translation>
    </message>
    <message>
        <source>Kg dichiarati</source>
        <translation>Declared kg</translation>
    </message>
    <message>
        <source>Data non valida (AAAA-MM-GG)</source>
        <translation>Invalid date (YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>Macchina non valida</source>
        <translation>Invalid machine</translation>
    </message>
    <message>
        <source>Dal</source>
        <translation>From</translation>
    </message>
    <message>
        <source>Al</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Filtra</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Kg campionati</source>
        <translation>Sampled kg</translation>
    </message>
    <message>
        <source>Prima</source>
        <translation>First</translation>
    </message>
    <message>
        <source>Precedente</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Pagina %1 di %2 (%3 bolle)</source>
        <translation>Page %1 of %2 (%3 batches)</translation>
    </message>
    <message>
        <source>Successiva</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Ultima</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>Scarica CSV</source>
        <translation>Download CSV</translation>
    </message>
    <message>
        <source>Nessuna bolla</source>
        <translation>No batches</translation>
    </message>
    <message>
        <source>Bolle</source>
        <translation>Batches</translation>
    </message>
    <message>
        <source>Archivio non disponibile</source>
        <translation>Archive not available</translation>
    </message>
    <message>
        <source>Registrazione</source>
        <translation>Registration</translation>
    </message>
    <message>
        <source>Lotto</source>
        <translation>Lot</translation>
    </message>
    <message>
        <source>Operatore</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Casse</source>
        <translation>Crates</translation>
    </message>
    <message>
        <source>Pedane</source>
        <translation>Pallets</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Modificata il</source>
        <translation>Modified on</translation>
    </message>
    <message>
        <source>Qualità</source>
        <translation>Quality</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Size class</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Totale qualità</source>
        <translation>Quality total</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Reject</translation>
    </message>
    <message>
        <source>Totale generale</source>
        <translation>Grand total</translation>
    </message>
    <message>
        <source>Listino dal</source>
        <translation>Price list from</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Prezzo medio al Kg</source>
        <translation>Average price per kg</translation>
    </message>
    <message>
        <source>Kg valutati</source>
        <translation>Valued kg</translation>
    </message>
    <message>
        <source>Senza prezzo</source>
        <translation>Without price</translation>
    </message>
    <message>
        <source>Modifiche</source>
        <translation>Changes</translation>
    </message>
    <message>
        <source>Nessuna modifica</source>
        <translation>No changes</translation>
    </message>
    <message>
        <source>Quando</source>
        <translation>When</translation>
    </message>
    <message>
        <source>Utente</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Finestra</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>Azione</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Numero di bolla non valido</source>
        <translation>Invalid batch number</translation>
    </message>
    <message>
        <source>Bolla non trovata</source>
        <translation>Batch not found</translation>
    </message>
    <message>
        <source>Il programma %1 della bolla non è più in archivio</source>
        <translation>The batch&apos;s program %1 is no longer in the archive</translation>
    </message>
    <message>
        <source>Pesi campionati</source>
        <translation>Sampled weights</translation>
    </message>
    <message>
        <source>Sul peso dichiarato</source>
        <translation>On the declared weight</translation>
    </message>
    <message>
        <source>Bolla %1</source>
        <translation>Batch %1</translation>
    </message>
    <message>
        <source>Raggruppamento non valido</source>
        <translation>Invalid grouping</translation>
    </message>
    <message>
        <source>Raggruppa per</source>
        <translation>Group by</translation>
    </message>
    <message>
        <source>Settimana</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>Mostra</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Produzione (kg/h)</source>
        <translation>Production (kg/h)</translation>
    </message>
    <message>
        <source>Tazze al minuto</source>
        <translation>Cups per minute</translation>
    </message>
    <message>
        <source>Bolle in attesa</source>
        <translation>Delivery notes waiting</translation>
    </message>
    <message>
        <source>Ultimo aggiornamento</source>
        <translation>Last update</translation>
    </message>
    <message>
        <source>non risponde</source>
        <translation>not answering</translation>
    </message>
    <message>
        <source>Qualità %1</source>
        <translation>Quality %1</translation>
    </message>
    <message>
        <source>Gruppo</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Valore al Kg</source>
        <translation>Value per kg</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Nessuna bolla nel periodo</source>
        <translation>No batches in the period</translation>
    </message>
    <message>
        <source>Qualità per gruppo</source>
        <translation>Quality per group</translation>
    </message>
    <message>
        <source>Distribuzione per calibro: %1</source>
        <translation>Size class distribution: %1</translation>
    </message>
    <message>
        <source>Nessuna macchina ha ancora scritto il suo stato</source>
        <translation>No machine has written its state yet</translation>
    </message>
    <message>
        <source>Archivio non raggiungibile</source>
        <translation>Archive not reachable</translation>
    </message>
    <message>
        <source>Aggiornamento interrotto: nuovo tentativo in corso</source>
        <translation>Updates interrupted: trying again</translation>
    </message>
    <message>
        <source>Accesso</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Utente o password errati</source>
        <translation>Wrong user or password</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Entra</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Macchine</source>
        <translation>Machines</translation>
    </message>
    <message>
        <source>Pagina non trovata</source>
        <translation>Page not found</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Cambia</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Statistiche</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Manca il produttore</source>
        <translation>The grower is missing</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Valori prima</source>
        <translation>Values before</translation>
    </message>
    <message>
        <source>Valori dopo</source>
        <translation>Values after</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Log out</translation>
    </message>
    <message>
        <source>Q%1 C%2</source>
        <translation>Q%1 C%2</translation>
    </message>
</context>
</TS>
