<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="it_IT">
<context>
    <name>BatchMessages</name>
    <message>
        <source>Nuova Bolla N:</source>
        <translation>Nuova Bolla N:</translation>
    </message>
    <message>
        <source>Modifica Bolla N:</source>
        <translation>Modifica Bolla N:</translation>
    </message>
    <message>
        <source>Archivio Programmi Vuoto, Rilavorazione impossibile.</source>
        <translation>Archivio Programmi Vuoto, Rilavorazione impossibile.</translation>
    </message>
    <message>
        <source>Caricamento Programma </source>
        <translation>Caricamento Programma </translation>
    </message>
    <message>
        <source>Programma dell archivio INESISTENTE, selezionarne uno dalla lista.</source>
        <translation>Programma dell archivio INESISTENTE, selezionarne uno dalla lista.</translation>
    </message>
    <message>
        <source>Numero Programmi</source>
        <translation>Numero Programmi</translation>
    </message>
    <message>
        <source>Il campo %1 non contiene un numero intero: &quot;%2&quot;. La bolla non è stata salvata.</source>
        <translation>Il campo %1 non contiene un numero intero: &quot;%2&quot;. La bolla non è stata salvata.</translation>
    </message>
    <message>
        <source>Il codice produttore deve essere un numero intero: &quot;%1&quot;.</source>
        <translation>Il codice produttore deve essere un numero intero: &quot;%1&quot;.</translation>
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
        <translation>Uso: kv7 [-o]
Console della campionatrice KV7; lavora nella cartella corrente (kv2.log, file di lavoro).
  -o           centralina di tipo vecchio (linea a 9600 baud)
  --help       mostra questo aiuto ed esce
  --version    mostra la versione ed esce
Archivio: KV7_DB_HOST, KV7_DB_PORT, KV7_DB_SOCKET, KV7_DB_USER, KV7_DB_PASSWORD, KV7_DB_NAME.
Configurazione: KV7_CONFIG_DIR. Con un archivio privato: kv7-db.
</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Il comando %1 non è andato a buon fine</source>
        <translation>Il comando %1 non è andato a buon fine</translation>
    </message>
    <message>
        <source>Il comando %1 non ha ricevuto una risposta corretta</source>
        <translation>Il comando %1 non ha ricevuto una risposta corretta</translation>
    </message>
    <message>
        <source>Il comando %1 non ha ricevuto una risposta corretta=%2</source>
        <translation>Il comando %1 non ha ricevuto una risposta corretta=%2</translation>
    </message>
    <message>
        <source>Il comando %1 non è stato trasmesso correttamente</source>
        <translation>Il comando %1 non è stato trasmesso correttamente</translation>
    </message>
    <message>
        <source>Il comando di versione non ha ricevuto una risposta corretta</source>
        <translation>Il comando di versione non ha ricevuto una risposta corretta</translation>
    </message>
    <message>
        <source>Il comando di type non ha ricevuto una risposta corretta</source>
        <translation>Il comando di type non ha ricevuto una risposta corretta</translation>
    </message>
    <message>
        <source>Il comando di controllo rotazione non è stato trasmesso correttamente</source>
        <translation>Il comando di controllo rotazione non è stato trasmesso correttamente</translation>
    </message>
    <message>
        <source>Il comando di rotazione non ha ricevuto una risposta corretta</source>
        <translation>Il comando di rotazione non ha ricevuto una risposta corretta</translation>
    </message>
    <message>
        <source>Il comando di Set rotazione non è stato trasmesso correttamente</source>
        <translation>Il comando di Set rotazione non è stato trasmesso correttamente</translation>
    </message>
    <message>
        <source>Il comando di Set rotazione non ha ricevuto una risposta corretta</source>
        <translation>Il comando di Set rotazione non ha ricevuto una risposta corretta</translation>
    </message>
    <message>
        <source>Il comando di Set Delay Tara non è stato trasmesso correttamente</source>
        <translation>Il comando di Set Delay Tara non è stato trasmesso correttamente</translation>
    </message>
    <message>
        <source>Il comando di Set Tipo Magneti non è stato trasmesso correttamente</source>
        <translation>Il comando di Set Tipo Magneti non è stato trasmesso correttamente</translation>
    </message>
    <message>
        <source>Il comando tara tazza non è andato a buon fine</source>
        <translation>Il comando tara tazza non è andato a buon fine</translation>
    </message>
    <message>
        <source>Il comando di traccia grafica non è stato inviato correttamente</source>
        <translation>Il comando di traccia grafica non è stato inviato correttamente</translation>
    </message>
    <message>
        <source>Termina Oscilloscopio non eseguito...</source>
        <translation>Termina Oscilloscopio non eseguito...</translation>
    </message>
    <message>
        <source>Il comando di controllo tazze vuote non è stato inviato correttamente</source>
        <translation>Il comando di controllo tazze vuote non è stato inviato correttamente</translation>
    </message>
    <message>
        <source>Il comando di termina tazze vuote non eseguito</source>
        <translation>Il comando di termina tazze vuote non eseguito</translation>
    </message>
    <message>
        <source>Il comando di calibrazione linee non è stato inviato correttamente</source>
        <translation>Il comando di calibrazione linee non è stato inviato correttamente</translation>
    </message>
    <message>
        <source>Il comando di termina calibrazione linee non è stato inviato correttamente</source>
        <translation>Il comando di termina calibrazione linee non è stato inviato correttamente</translation>
    </message>
    <message>
        <source>0 - SCARTI ON</source>
        <translation>0 - SCARTI ON</translation>
    </message>
    <message>
        <source>1 - attesa scar.</source>
        <translation>1 - attesa scar.</translation>
    </message>
    <message>
        <source>2 - SCARICO</source>
        <translation>2 - SCARICO</translation>
    </message>
    <message>
        <source>3 - ass. tara</source>
        <translation>3 - ass. tara</translation>
    </message>
    <message>
        <source>4 - tara in corso</source>
        <translation>4 - tara in corso</translation>
    </message>
    <message>
        <source>5 - att. carico</source>
        <translation>5 - att. carico</translation>
    </message>
    <message>
        <source>6 - Carico Sing.</source>
        <translation>6 - Carico Sing.</translation>
    </message>
    <message>
        <source>7 - Ass. e Accum.</source>
        <translation>7 - Ass. e Accum.</translation>
    </message>
    <message>
        <source>8 - Doppia Carico</source>
        <translation>8 - Doppia Carico</translation>
    </message>
    <message>
        <source>9 - Ass. Accum. Pos.</source>
        <translation>9 - Ass. Accum. Pos.</translation>
    </message>
    <message>
        <source>? - errore scarti</source>
        <translation>? - errore scarti</translation>
    </message>
    <message>
        <source>0-SCARTI off</source>
        <translation>0-SCARTI off</translation>
    </message>
    <message>
        <source>errore ciclo on scarti</source>
        <translation>errore ciclo on scarti</translation>
    </message>
    <message>
        <source>Errori Centralina Scarti</source>
        <translation>Errori Centralina Scarti</translation>
    </message>
    <message>
        <source>Programma Peso = 0</source>
        <translation>Programma Peso = 0</translation>
    </message>
    <message>
        <source>Set-Up Singola/Doppia</source>
        <translation>Set-Up Singola/Doppia</translation>
    </message>
    <message>
        <source>Set-Up i due rele di carico = 0</source>
        <translation>Set-Up i due rele di carico = 0</translation>
    </message>
    <message>
        <source>Set-Up i due rele di scarico = 0</source>
        <translation>Set-Up i due rele di scarico = 0</translation>
    </message>
    <message>
        <source>Set-Up k-Peso = 0</source>
        <translation>Set-Up k-Peso = 0</translation>
    </message>
    <message>
        <source>rele Scarico Destro non assegnato</source>
        <translation>rele Scarico Destro non assegnato</translation>
    </message>
    <message>
        <source>rele Scarico Sinistro non assegnato</source>
        <translation>rele Scarico Sinistro non assegnato</translation>
    </message>
    <message>
        <source>Doppia manca 1 rele o 1 sensore di carico</source>
        <translation>Doppia manca 1 rele o 1 sensore di carico</translation>
    </message>
    <message>
        <source>Ciclo On Tara valore errato</source>
        <translation>Ciclo On Tara valore errato</translation>
    </message>
    <message>
        <source>seriale Ricezione buffer pieno</source>
        <translation>seriale Ricezione buffer pieno</translation>
    </message>
    <message>
        <source>seriale Trasmissione Time-Out</source>
        <translation>seriale Trasmissione Time-Out</translation>
    </message>
    <message>
        <source>comandi J/K errati</source>
        <translation>comandi J/K errati</translation>
    </message>
    <message>
        <source>0 - Centralina off</source>
        <translation>0 - Centralina off</translation>
    </message>
    <message>
        <source>0 - Accesa</source>
        <translation>0 - Accesa</translation>
    </message>
    <message>
        <source>1 - Stand By</source>
        <translation>1 - Stand By</translation>
    </message>
    <message>
        <source>2 - Attesa Encoder</source>
        <translation>2 - Attesa Encoder</translation>
    </message>
    <message>
        <source>3 - Tara iniziale</source>
        <translation>3 - Tara iniziale</translation>
    </message>
    <message>
        <source>4 - Lavorazione</source>
        <translation>4 - Lavorazione</translation>
    </message>
    <message>
        <source>5 - Fine partita</source>
        <translation>5 - Fine partita</translation>
    </message>
    <message>
        <source>%1tz/s</source>
        <translation>%1tz/s</translation>
    </message>
    <message>
        <source>set Encoder orario</source>
        <translation>set Encoder orario</translation>
    </message>
    <message>
        <source>set Encoder antiorario</source>
        <translation>set Encoder antiorario</translation>
    </message>
    <message>
        <source>Trasf. %1Mb3 = %2 %</source>
        <translation>Trasf. %1Mb3 = %2 %</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Bolla temporanea non presente!</source>
        <translation>Bolla temporanea non presente!</translation>
    </message>
    <message>
        <source>Vuoi esportare i dati verso AS400 ?</source>
        <translation>Vuoi esportare i dati verso AS400 ?</translation>
    </message>
    <message>
        <source>KV7 Campionatrice</source>
        <translation>KV7 Campionatrice</translation>
    </message>
    <message>
        <source>Programma Gestione Calibratrice</source>
        <translation>Programma Gestione Calibratrice</translation>
    </message>
    <message>
        <source>non abilitata</source>
        <translation>non abilitata</translation>
    </message>
    <message>
        <source>KV7 Campionatrice%1</source>
        <translation>KV7 Campionatrice%1</translation>
    </message>
    <message>
        <source>La centralina è spenta, accenderla per favore!</source>
        <translation>La centralina è spenta, accenderla per favore!</translation>
    </message>
    <message>
        <source>I totali verranno azzerati, vuoi continuare ?</source>
        <translation>I totali verranno azzerati, vuoi continuare ?</translation>
    </message>
    <message>
        <source>richiesta totali della centralina scarti non risposta!</source>
        <translation>richiesta totali della centralina scarti non risposta!</translation>
    </message>
    <message>
        <source>1-SCARTI ON</source>
        <translation>1-SCARTI ON</translation>
    </message>
    <message>
        <source>linea %1 non risponde</source>
        <translation>linea %1 non risponde</translation>
    </message>
    <message>
        <source>Il programma %1 non è in archivio.</source>
        <translation>Il programma %1 non è in archivio.</translation>
    </message>
    <message>
        <source>Il programma %1 non può essere caricato: il codice deve essere un numero da 1 a 98.</source>
        <translation>Il programma %1 non può essere caricato: il codice deve essere un numero da 1 a 98.</translation>
    </message>
    <message>
        <source>Il programma è quello corrente; non è possibile cancellarlo!</source>
        <translation>Il programma è quello corrente; non è possibile cancellarlo!</translation>
    </message>
    <message>
        <source>Tutti i codici da 01 a 98 sono già usati: cancellare un programma.</source>
        <translation>Tutti i codici da 01 a 98 sono già usati: cancellare un programma.</translation>
    </message>
    <message>
        <source>programma %1 non in archivio</source>
        <translation>programma %1 non in archivio</translation>
    </message>
    <message>
        <source>Il campo %1 non contiene un numero intero: &quot;%2&quot;. La bolla non è stata salvata.</source>
        <translation>Il campo %1 non contiene un numero intero: &quot;%2&quot;. La bolla non è stata salvata.</translation>
    </message>
    <message>
        <source>Totale partita deve essere maggiore di zero!</source>
        <translation>Totale partita deve essere maggiore di zero!</translation>
    </message>
    <message>
        <source>azzione scarti!</source>
        <translation>azzione scarti!</translation>
    </message>
    <message>
        <source>nessun programma caricato</source>
        <translation>nessun programma caricato</translation>
    </message>
    <message>
        <source>Verificare che la macchina sia vuota, premere Yes per eseguire la calibrazione.</source>
        <translation>Verificare che la macchina sia vuota, premere Yes per eseguire la calibrazione.</translation>
    </message>
    <message>
        <source>La bolla %1 non è stata salvata: %2. I totali restano nella centralina.</source>
        <translation>La bolla %1 non è stata salvata: %2. I totali restano nella centralina.</translation>
    </message>
    <message>
        <source>La bolla %1 è in attesa: sarà archiviata appena il database risponde.</source>
        <translation>La bolla %1 è in attesa: sarà archiviata appena il database risponde.</translation>
    </message>
    <message>
        <source>Il record della bolla %1 è in attesa: la cartella %2 non è scrivibile.</source>
        <translation>Il record della bolla %1 è in attesa: la cartella %2 non è scrivibile.</translation>
    </message>
    <message>
        <source>Giornale delle bolle non disponibile: %1</source>
        <translation>Giornale delle bolle non disponibile: %1</translation>
    </message>
    <message>
        <source>Esportazione non scritta: %1</source>
        <translation>Esportazione non scritta: %1</translation>
    </message>
    <message>
        <source>Lavorazione precedente n: %1</source>
        <translation>Lavorazione precedente n: %1</translation>
    </message>
    <message>
        <source>%1 bolle in attesa</source>
        <translation>%1 bolle in attesa</translation>
    </message>
    <message>
        <source>%1 record in attesa</source>
        <translation>%1 record in attesa</translation>
    </message>
    <message>
        <source>Attenzione! le modifiche apportate nel quadro che segue possono alterare il funzionamento della macchina. Si vuole proseguire?</source>
        <translation>Attenzione! le modifiche apportate nel quadro che segue possono alterare il funzionamento della macchina. Si vuole proseguire?</translation>
    </message>
    <message>
        <source>Com non disponibile nel computer, il programma terminera!</source>
        <translation>Com non disponibile nel computer, il programma terminera!</translation>
    </message>
    <message>
        <source>Com Scarti non disponibile nel computer, il programma terminera!</source>
        <translation>Com Scarti non disponibile nel computer, il programma terminera!</translation>
    </message>
    <message>
        <source>Dischetto sul floppy non presente o non leggibile!</source>
        <translation>Dischetto sul floppy non presente o non leggibile!</translation>
    </message>
    <message>
        <source>Salvataggio effettuato!</source>
        <translation>Salvataggio effettuato!</translation>
    </message>
    <message>
        <source>Ripristino effettuato!</source>
        <translation>Ripristino effettuato!</translation>
    </message>
    <message>
        <source>Cancellazione non possibile, Bolla precedente in corso.</source>
        <translation>Cancellazione non possibile, Bolla precedente in corso.</translation>
    </message>
    <message>
        <source>Cancellare archivio Bolle? non sarà possibile recuperarlo.</source>
        <translation>Cancellare archivio Bolle? non sarà possibile recuperarlo.</translation>
    </message>
    <message>
        <source>Cancellare archivio Produttori? non sarà possibile recuperarlo.</source>
        <translation>Cancellare archivio Produttori? non sarà possibile recuperarlo.</translation>
    </message>
    <message>
        <source>Archivio Bolle cancellato!</source>
        <translation>Archivio Bolle cancellato!</translation>
    </message>
    <message>
        <source>Archivio Produttori cancellato!</source>
        <translation>Archivio Produttori cancellato!</translation>
    </message>
    <message>
        <source>Copia di sicurezza non riuscita: archivio non cancellato.</source>
        <translation>Copia di sicurezza non riuscita: archivio non cancellato.</translation>
    </message>
    <message>
        <source>Copia di sicurezza dell&apos;archivio in %1</source>
        <translation>Copia di sicurezza dell&apos;archivio in %1</translation>
    </message>
    <message>
        <source>Impossibile avviare il programma di aggiornamento %1</source>
        <translation>Impossibile avviare il programma di aggiornamento %1</translation>
    </message>
    <message>
        <source>Termine Memorizzato non accettato!</source>
        <translation>Termine Memorizzato non accettato!</translation>
    </message>
    <message>
        <source>Fine funzione oscilloscopio... non eseguita!</source>
        <translation>Fine funzione oscilloscopio... non eseguita!</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1: le tracce non vengono più salvate.</source>
        <translation>Impossibile scrivere il file %1: le tracce non vengono più salvate.</translation>
    </message>
    <message>
        <source>Totali con la bolla archiviata n: %1 (azzerare F8)</source>
        <translation>Totali con la bolla archiviata n: %1 (azzerare F8)</translation>
    </message>
    <message>
        <source>La linea %1 non ha dato i totali: la bolla non è stata archiviata. Premere F9 quando la linea risponde.</source>
        <translation>La linea %1 non ha dato i totali: la bolla non è stata archiviata. Premere F9 quando la linea risponde.</translation>
    </message>
    <message>
        <source>%1 bolle rifiutate</source>
        <translation>%1 bolle rifiutate</translation>
    </message>
    <message>
        <source>La bolla %1 è stata rifiutata dall&apos;archivio: %2. Resta nel giornale tra le bolle rifiutate.</source>
        <translation>La bolla %1 è stata rifiutata dall&apos;archivio: %2. Resta nel giornale tra le bolle rifiutate.</translation>
    </message>
    <message>
        <source>La bolla è stata registrata con il numero %1: il numero %2 è stato preso nel frattempo da un&apos;altra bolla.</source>
        <translation>La bolla è stata registrata con il numero %1: il numero %2 è stato preso nel frattempo da un&apos;altra bolla.</translation>
    </message>
    <message>
        <source>La bolla %1 è stata cancellata dopo l&apos;apertura: le modifiche non sono state salvate.</source>
        <translation>La bolla %1 è stata cancellata dopo l&apos;apertura: le modifiche non sono state salvate.</translation>
    </message>
    <message>
        <source>La bolla %1 è stata cambiata dopo l&apos;apertura: le modifiche non sono state salvate.</source>
        <translation>La bolla %1 è stata cambiata dopo l&apos;apertura: le modifiche non sono state salvate.</translation>
    </message>
    <message>
        <source>La bolla %1 non esiste più.</source>
        <translation>La bolla %1 non esiste più.</translation>
    </message>
    <message>
        <source>Errore imprevisto: %1. Il programma viene chiuso.</source>
        <translation>Errore imprevisto: %1. Il programma viene chiuso.</translation>
    </message>
    <message>
        <source>Configurazione non leggibile (%1): il programma termina senza modificarla.</source>
        <translation>Configurazione non leggibile (%1): il programma termina senza modificarla.</translation>
    </message>
    <message>
        <source>Il file non contiene impostazioni dell&apos;installazione: niente ripristinato.</source>
        <translation>Il file non contiene impostazioni dell&apos;installazione: niente ripristinato.</translation>
    </message>
    <message>
        <source>Le impostazioni del file sono già quelle in uso: niente da ripristinare.</source>
        <translation>Le impostazioni del file sono già quelle in uso: niente da ripristinare.</translation>
    </message>
    <message>
        <source>Impostazioni che il ripristino cambia: %1. Procedere?</source>
        <translation>Impostazioni che il ripristino cambia: %1. Procedere?</translation>
    </message>
    <message>
        <source>Programma di aggiornamento non installato: %1</source>
        <translation>Programma di aggiornamento non installato: %1</translation>
    </message>
    <message>
        <source>%1 - Macchina %2</source>
        <translation>%1 - Macchina %2</translation>
    </message>
</context>
<context>
    <name>ProgramMessages</name>
    <message>
        <source> Caricamento Programma </source>
        <translation> Caricamento Programma </translation>
    </message>
    <message>
        <source> Cancella Programma </source>
        <translation> Cancella Programma </translation>
    </message>
    <message>
        <source>La centralina è spenta, accenderla per favore!</source>
        <translation>La centralina è spenta, accenderla per favore!</translation>
    </message>
    <message>
        <source>Il programma %1 non può essere caricato: il codice deve essere un numero da 1 a 98.</source>
        <translation>Il programma %1 non può essere caricato: il codice deve essere un numero da 1 a 98.</translation>
    </message>
    <message>
        <source>Il programma è quello corrente; non è possibile cancellarlo!</source>
        <translation>Il programma è quello corrente; non è possibile cancellarlo!</translation>
    </message>
    <message>
        <source>Tutti i codici da 01 a 98 sono già usati: cancellare un programma.</source>
        <translation>Tutti i codici da 01 a 98 sono già usati: cancellare un programma.</translation>
    </message>
    <message>
        <source>Il programma %1 non è in archivio.</source>
        <translation>Il programma %1 non è in archivio.</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TListaBolla</name>
    <message>
        <source>Lista Bolle</source>
        <translation>Lista Bolle</translation>
    </message>
    <message>
        <source>Selezionare la Bolla</source>
        <translation>Selezionare la Bolla</translation>
    </message>
    <message>
        <source>Numero  Bolle</source>
        <translation>Numero  Bolle</translation>
    </message>
    <message>
        <source>Partita</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Scarto</translation>
    </message>
    <message>
        <source>&lt;nuovo produttore&gt;</source>
        <translation>&lt;nuovo produttore&gt;</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TListaProduttori</name>
    <message>
        <source>Lista Produttori</source>
        <translation>Lista Produttori</translation>
    </message>
    <message>
        <source>Selezionare il produttore</source>
        <translation>Selezionare il produttore</translation>
    </message>
    <message>
        <source>Numero  Produttori</source>
        <translation>Numero  Produttori</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TModDati</name>
    <message>
        <source>Bolla ritiro N:</source>
        <translation>Bolla ritiro N:</translation>
    </message>
    <message>
        <source>Codice :</source>
        <translation>Codice :</translation>
    </message>
    <message>
        <source>Descrizione :</source>
        <translation>Descrizione :</translation>
    </message>
    <message>
        <source>Note :</source>
        <translation>Note :</translation>
    </message>
    <message>
        <source>Totale Partita kg:</source>
        <translation>Totale Partita kg:</translation>
    </message>
    <message>
        <source>Lotto N:</source>
        <translation>Lotto N:</translation>
    </message>
    <message>
        <source>N Casse:</source>
        <translation>N Casse:</translation>
    </message>
    <message>
        <source>N Pedane:</source>
        <translation>N Pedane:</translation>
    </message>
    <message>
        <source>Operatore:</source>
        <translation>Operatore:</translation>
    </message>
    <message>
        <source>Dati Bolla</source>
        <translation>Dati Bolla</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Produttore</translation>
    </message>
    <message>
        <source>Cambia</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Forza Data </source>
        <translation>Forza Data </translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Salva</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TNewBolla</name>
    <message>
        <source>Ripartizione Calibri</source>
        <translation>Ripartizione Calibri</translation>
    </message>
    <message>
        <source>Nuova Bolla</source>
        <translation>Nuova Bolla</translation>
    </message>
    <message>
        <source>Qualita %1</source>
        <translation>Qualita %1</translation>
    </message>
    <message>
        <source>Partita</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>Cambia</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>gr</source>
        <translation>gr</translation>
    </message>
    <message>
        <source>Kg</source>
        <translation>Kg</translation>
    </message>
    <message>
        <source>Totale calibro %1, Qualita %2</source>
        <translation>Totale calibro %1, Qualita %2</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Scarto</translation>
    </message>
    <message>
        <source>Tot Partita</source>
        <translation>Tot Partita</translation>
    </message>
    <message>
        <source>num. Casse</source>
        <translation>num. Casse</translation>
    </message>
    <message>
        <source>num. Pedane</source>
        <translation>num. Pedane</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Calibro</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Percentuale</source>
        <translation>Percentuale</translation>
    </message>
    <message>
        <source>Qualita 1</source>
        <translation>Qualita 1</translation>
    </message>
    <message>
        <source>Qualita 2</source>
        <translation>Qualita 2</translation>
    </message>
    <message>
        <source>Qualita 3</source>
        <translation>Qualita 3</translation>
    </message>
    <message>
        <source>Qualita 4</source>
        <translation>Qualita 4</translation>
    </message>
    <message>
        <source>TOTALE</source>
        <translation>TOTALE</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Bolla</source>
        <translation>Bolla</translation>
    </message>
    <message>
        <source>Numero</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Lotto</source>
        <translation>Lotto</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Produttore</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Codice a Barre</source>
        <translation>Codice a Barre</translation>
    </message>
    <message>
        <source>Operatore</source>
        <translation>Operatore</translation>
    </message>
    <message>
        <source>Ricalcolo</source>
        <translation>Ricalcolo</translation>
    </message>
    <message>
        <source>Valore: %1   (%2 al Kg)   listino dal %3</source>
        <translation>Valore: %1   (%2 al Kg)   listino dal %3</translation>
    </message>
    <message>
        <source>Q%1 C%2</source>
        <translation>Q%1 C%2</translation>
    </message>
    <message>
        <source>Senza prezzo: %1</source>
        <translation>Senza prezzo: %1</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TProduttori</name>
    <message>
        <source>Dato Produttore</source>
        <translation>Dato Produttore</translation>
    </message>
    <message>
        <source>codice produttore</source>
        <translation>codice produttore</translation>
    </message>
    <message>
        <source>descrizione produttore</source>
        <translation>descrizione produttore</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Salva</translation>
    </message>
</context>
<context>
    <name>kv7::batches::Texpfiltdata</name>
    <message>
        <source>Esporta Bolle con filtro per DATA</source>
        <translation>Esporta Bolle con filtro per DATA</translation>
    </message>
    <message>
        <source>Data inizio</source>
        <translation>Data inizio</translation>
    </message>
    <message>
        <source>Data Fine</source>
        <translation>Data Fine</translation>
    </message>
    <message>
        <source>Nomi campi</source>
        <translation>Nomi campi</translation>
    </message>
    <message>
        <source>ESPORTA</source>
        <translation>ESPORTA</translation>
    </message>
</context>
<context>
    <name>kv7::installation::TInstallazione</name>
    <message>
        <source>variabile</source>
        <translation>variabile</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>60% /3 Passi</source>
        <translation>60% /3 Passi</translation>
    </message>
    <message>
        <source>100% /3 Passi</source>
        <translation>100% /3 Passi</translation>
    </message>
    <message>
        <source>TARA/LINEA</source>
        <translation>TARA/LINEA</translation>
    </message>
    <message>
        <source>TARA/TAZZA</source>
        <translation>TARA/TAZZA</translation>
    </message>
    <message>
        <source>TARA INC.(1gr)</source>
        <translation>TARA INC.(1gr)</translation>
    </message>
    <message>
        <source>TARA INC.(2gr)</source>
        <translation>TARA INC.(2gr)</translation>
    </message>
    <message>
        <source>TARA INC.(3gr)</source>
        <translation>TARA INC.(3gr)</translation>
    </message>
    <message>
        <source>TARA INC.(4gr)</source>
        <translation>TARA INC.(4gr)</translation>
    </message>
    <message>
        <source>TARA INC.(5gr)</source>
        <translation>TARA INC.(5gr)</translation>
    </message>
    <message>
        <source>TARA INC.(6gr)</source>
        <translation>TARA INC.(6gr)</translation>
    </message>
    <message>
        <source>Seriale Centralina</source>
        <translation>Seriale Centralina</translation>
    </message>
    <message>
        <source>Seriale S. Barcode</source>
        <translation>Seriale S. Barcode</translation>
    </message>
    <message>
        <source>Seriale S. Scarti</source>
        <translation>Seriale S. Scarti</translation>
    </message>
    <message>
        <source>Abilita</source>
        <translation>Abilita</translation>
    </message>
    <message>
        <source>Seriali</source>
        <translation>Seriali</translation>
    </message>
    <message>
        <source>Numero linee</source>
        <translation>Numero linee</translation>
    </message>
    <message>
        <source>Numero Uscite</source>
        <translation>Numero Uscite</translation>
    </message>
    <message>
        <source>Numero Tazze/L.</source>
        <translation>Numero Tazze/L.</translation>
    </message>
    <message>
        <source>Tipo attiv. Magn.</source>
        <translation>Tipo attiv. Magn.</translation>
    </message>
    <message>
        <source>Durata Att.</source>
        <translation>Durata Att.</translation>
    </message>
    <message>
        <source>Apertura Magneti</source>
        <translation>Apertura Magneti</translation>
    </message>
    <message>
        <source>Fase Zero Encoder</source>
        <translation>Fase Zero Encoder</translation>
    </message>
    <message>
        <source>verso rotazione encoder</source>
        <translation>verso rotazione encoder</translation>
    </message>
    <message>
        <source>Macchina</source>
        <translation>Macchina</translation>
    </message>
    <message>
        <source>Lettura I/F</source>
        <translation>Lettura I/F</translation>
    </message>
    <message>
        <source>K-peso</source>
        <translation>K-peso</translation>
    </message>
    <message>
        <source>Qualita linee</source>
        <translation>Qualita linee</translation>
    </message>
    <message>
        <source>Rit. Tara</source>
        <translation>Rit. Tara</translation>
    </message>
    <message>
        <source>Tipo Tara</source>
        <translation>Tipo Tara</translation>
    </message>
    <message>
        <source>Dist. FC</source>
        <translation>Dist. FC</translation>
    </message>
    <message>
        <source>Durata FC</source>
        <translation>Durata FC</translation>
    </message>
    <message>
        <source>ritardo FC</source>
        <translation>ritardo FC</translation>
    </message>
    <message>
        <source>Tara e fine campione</source>
        <translation>Tara e fine campione</translation>
    </message>
    <message>
        <source>Installazione</source>
        <translation>Installazione</translation>
    </message>
    <message>
        <source>Linea %1</source>
        <translation>Linea %1</translation>
    </message>
    <message>
        <source>Qualità%1</source>
        <translation>Qualità%1</translation>
    </message>
    <message>
        <source>non abilitata</source>
        <translation>non abilitata</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>◄ sinistra</source>
        <translation>◄ sinistra</translation>
    </message>
    <message>
        <source>destra ►</source>
        <translation>destra ►</translation>
    </message>
    <message>
        <source>Il campo &quot;%1&quot; deve contenere un numero intero.</source>
        <translation>Il campo &quot;%1&quot; deve contenere un numero intero.</translation>
    </message>
    <message>
        <source>Il campo &quot;%1&quot; deve contenere un numero da 0 a %2: la centralina non ne riceve altri.</source>
        <translation>Il campo &quot;%1&quot; deve contenere un numero da 0 a %2: la centralina non ne riceve altri.</translation>
    </message>
    <message>
        <source>Distanza Uscite</source>
        <translation>Distanza Uscite</translation>
    </message>
    <message>
        <source>Nuova password servizio</source>
        <translation>Nuova password servizio</translation>
    </message>
    <message>
        <source>Ripeti</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Nuova password azzeramenti</source>
        <translation>Nuova password azzeramenti</translation>
    </message>
    <message>
        <source>Password (vuote: restano quelle in uso)</source>
        <translation>Password (vuote: restano quelle in uso)</translation>
    </message>
    <message>
        <source>La nuova password non è stata scritta uguale due volte.</source>
        <translation>La nuova password non è stata scritta uguale due volte.</translation>
    </message>
    <message>
        <source>Numero Macchina</source>
        <translation>Numero Macchina</translation>
    </message>
</context>
<context>
    <name>kv7::installation::Tpasswd</name>
    <message>
        <source>Password Accesso Servizio</source>
        <translation>Password Accesso Servizio</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Entra</source>
        <translation>Entra</translation>
    </message>
</context>
<context>
    <name>kv7::prices::TListino</name>
    <message>
        <source>Listino prezzi</source>
        <translation>Listino prezzi</translation>
    </message>
    <message>
        <source>Valido dal</source>
        <translation>Valido dal</translation>
    </message>
    <message>
        <source>Listini</source>
        <translation>Listini</translation>
    </message>
    <message>
        <source>Prezzo Scarto (Q5)</source>
        <translation>Prezzo Scarto (Q5)</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Qualita %1</source>
        <translation>Qualita %1</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Calibro</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Prezzo al Kg</source>
        <translation>Prezzo al Kg</translation>
    </message>
    <message>
        <source>Programma %1  %2</source>
        <translation>Programma %1  %2</translation>
    </message>
    <message>
        <source>Prezzo non valido: %1</source>
        <translation>Prezzo non valido: %1</translation>
    </message>
</context>
<context>
    <name>kv7::programs::TListaProgrammi</name>
    <message>
        <source>Lista Programmi</source>
        <translation>Lista Programmi</translation>
    </message>
    <message>
        <source>Selezionare il programma</source>
        <translation>Selezionare il programma</translation>
    </message>
    <message>
        <source>Numero  Programmi</source>
        <translation>Numero  Programmi</translation>
    </message>
</context>
<context>
    <name>kv7::programs::TNewProgram</name>
    <message>
        <source>Programma</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Codice</source>
        <translation>Codice</translation>
    </message>
    <message>
        <source>Pesi Qualita %1</source>
        <translation>Pesi Qualita %1</translation>
    </message>
    <message>
        <source>Codice SQL Q5</source>
        <translation>Codice SQL Q5</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Calibro</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Codice SQL</source>
        <translation>Codice SQL</translation>
    </message>
    <message>
        <source>Modifica programma N. </source>
        <translation>Modifica programma N. </translation>
    </message>
    <message>
        <source>il campo codice programma deve essere un numero di max 2 cifre!</source>
        <translation>il campo codice programma deve essere un numero di max 2 cifre!</translation>
    </message>
    <message>
        <source>Qualita %1, calibro %2: il peso %3 deve essere un numero intero; il programma non è stato salvato.</source>
        <translation>Qualita %1, calibro %2: il peso %3 deve essere un numero intero; il programma non è stato salvato.</translation>
    </message>
    <message>
        <source>massimo</source>
        <translation>massimo</translation>
    </message>
    <message>
        <source>minimo</source>
        <translation>minimo</translation>
    </message>
    <message>
        <source>Il codice programma deve essere un numero da 1 a 98: la centralina non carica programmi con altri numeri. Il programma non è stato salvato.</source>
        <translation>Il codice programma deve essere un numero da 1 a 98: la centralina non carica programmi con altri numeri. Il programma non è stato salvato.</translation>
    </message>
</context>
<context>
    <name>kv7::programs::TParProg</name>
    <message>
        <source>Parametri  Programma</source>
        <translation>Parametri  Programma</translation>
    </message>
    <message>
        <source>Archiviazione</source>
        <translation>Archiviazione</translation>
    </message>
    <message>
        <source>Stampa Bolla</source>
        <translation>Stampa Bolla</translation>
    </message>
    <message>
        <source>Trasmis. al remoto</source>
        <translation>Trasmis. al remoto</translation>
    </message>
    <message>
        <source>Stampa grammature</source>
        <translation>Stampa grammature</translation>
    </message>
    <message>
        <source>Fine Partita Autom.</source>
        <translation>Fine Partita Autom.</translation>
    </message>
    <message>
        <source>grammi</source>
        <translation>grammi</translation>
    </message>
    <message>
        <source>Kilogrammi</source>
        <translation>Kilogrammi</translation>
    </message>
    <message>
        <source>Totali espressi in</source>
        <translation>Totali espressi in</translation>
    </message>
    <message>
        <source>Numero Copie Bolle</source>
        <translation>Numero Copie Bolle</translation>
    </message>
    <message>
        <source>Sfoglia..</source>
        <translation>Sfoglia..</translation>
    </message>
    <message>
        <source>Directory esp-AS400</source>
        <translation>Directory esp-AS400</translation>
    </message>
    <message>
        <source>Auto Rinfresco Totali</source>
        <translation>Auto Rinfresco Totali</translation>
    </message>
    <message>
        <source>Avviso limite Percentuale raggiunta</source>
        <translation>Avviso limite Percentuale raggiunta</translation>
    </message>
    <message>
        <source>Limite Perc. Q%1</source>
        <translation>Limite Perc. Q%1</translation>
    </message>
    <message>
        <source>Font Stampe</source>
        <translation>Font Stampe</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Copia PDF della bolla</source>
        <translation>Copia PDF della bolla</translation>
    </message>
</context>
<context>
    <name>kv7::reports::PagePainter</name>
    <message>
        <source> Stampa Programma </source>
        <translation> Stampa Programma </translation>
    </message>
    <message>
        <source>LAVORAZIONE</source>
        <translation>LAVORAZIONE</translation>
    </message>
    <message>
        <source>STAMPA BOLLA</source>
        <translation>STAMPA BOLLA</translation>
    </message>
    <message>
        <source>Prima Qualita</source>
        <translation>Prima Qualita</translation>
    </message>
    <message>
        <source>Qualita 2</source>
        <translation>Qualita 2</translation>
    </message>
    <message>
        <source>Qualita 3</source>
        <translation>Qualita 3</translation>
    </message>
    <message>
        <source>Qualita 4</source>
        <translation>Qualita 4</translation>
    </message>
    <message>
        <source>Data Bolla: </source>
        <translation>Data Bolla: </translation>
    </message>
    <message>
        <source>Numero Bolla: </source>
        <translation>Numero Bolla: </translation>
    </message>
    <message>
        <source>Numero Registrazione: </source>
        <translation>Numero Registrazione: </translation>
    </message>
    <message>
        <source>Lotto Bolla: </source>
        <translation>Lotto Bolla: </translation>
    </message>
    <message>
        <source>Numero Programma:</source>
        <translation>Numero Programma:</translation>
    </message>
    <message>
        <source>Operatore: </source>
        <translation>Operatore: </translation>
    </message>
    <message>
        <source>Descrizione:</source>
        <translation>Descrizione:</translation>
    </message>
    <message>
        <source>Cod. produttore: </source>
        <translation>Cod. produttore: </translation>
    </message>
    <message>
        <source>Descrizione: </source>
        <translation>Descrizione: </translation>
    </message>
    <message>
        <source>calibro</source>
        <translation>calibro</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Totali</source>
        <translation>Totali</translation>
    </message>
    <message>
        <source>Perc.</source>
        <translation>Perc.</translation>
    </message>
    <message>
        <source>Tot.PrimaQ</source>
        <translation>Tot.PrimaQ</translation>
    </message>
    <message>
        <source>Tot.Q2</source>
        <translation>Tot.Q2</translation>
    </message>
    <message>
        <source>Tot.Q5(Scarto)</source>
        <translation>Tot.Q5(Scarto)</translation>
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
        <translation>Tot. Generale</translation>
    </message>
    <message>
        <source>n. Casse:</source>
        <translation>n. Casse:</translation>
    </message>
    <message>
        <source>n. Pedane:</source>
        <translation>n. Pedane:</translation>
    </message>
    <message>
        <source>note:</source>
        <translation>note:</translation>
    </message>
    <message>
        <source>STAMPA PROGRAMMA</source>
        <translation>STAMPA PROGRAMMA</translation>
    </message>
    <message>
        <source>Qualita %1</source>
        <translation>Qualita %1</translation>
    </message>
    <message>
        <source>STAMPA INSTALLAZIONE</source>
        <translation>STAMPA INSTALLAZIONE</translation>
    </message>
    <message>
        <source>Data: </source>
        <translation>Data: </translation>
    </message>
    <message>
        <source>Numero linee: </source>
        <translation>Numero linee: </translation>
    </message>
    <message>
        <source>Numero tazze: </source>
        <translation>Numero tazze: </translation>
    </message>
    <message>
        <source>Ritardo Tara:</source>
        <translation>Ritardo Tara:</translation>
    </message>
    <message>
        <source>Tipo Tara:</source>
        <translation>Tipo Tara:</translation>
    </message>
    <message>
        <source>dir encoder:</source>
        <translation>dir encoder:</translation>
    </message>
    <message>
        <source>zero encoder:</source>
        <translation>zero encoder:</translation>
    </message>
    <message>
        <source>Linea %1</source>
        <translation>Linea %1</translation>
    </message>
    <message>
        <source>ini: </source>
        <translation>ini: </translation>
    </message>
    <message>
        <source>fine: </source>
        <translation>fine: </translation>
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
        <translation>Codice</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>STAMPA PRODUTTORI</source>
        <translation>STAMPA PRODUTTORI</translation>
    </message>
    <message>
        <source>Costo al Kg.</source>
        <translation>Costo al Kg.</translation>
    </message>
    <message>
        <source>L. %1   %2</source>
        <translation>L. %1   %2</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Macchina</source>
        <translation>Macchina</translation>
    </message>
    <message>
        <source>Settimana</source>
        <translation>Settimana</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Produttore</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Bolle</source>
        <translation>Bolle</translation>
    </message>
    <message>
        <source>Valore:</source>
        <translation>Valore:</translation>
    </message>
    <message>
        <source>%1   (%2 al Kg)</source>
        <translation>%1   (%2 al Kg)</translation>
    </message>
    <message>
        <source>Listino dal %1</source>
        <translation>Listino dal %1</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Scarto</translation>
    </message>
    <message>
        <source>Q%1 C%2</source>
        <translation>Q%1 C%2</translation>
    </message>
    <message>
        <source>Senza prezzo: %1</source>
        <translation>Senza prezzo: %1</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Num.</source>
        <translation>Num.</translation>
    </message>
    <message>
        <source>Bolla</source>
        <translation>Bolla</translation>
    </message>
    <message>
        <source>Kg dich.</source>
        <translation>Kg dich.</translation>
    </message>
    <message>
        <source>Kg camp.</source>
        <translation>Kg camp.</translation>
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
        <translation>Scarto %</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Valore/Kg</source>
        <translation>Valore/Kg</translation>
    </message>
    <message>
        <source>STATISTICHE</source>
        <translation>STATISTICHE</translation>
    </message>
    <message>
        <source>ESTRATTO CONTO STAGIONE</source>
        <translation>ESTRATTO CONTO STAGIONE</translation>
    </message>
    <message>
        <source>Periodo: %1 - %2</source>
        <translation>Periodo: %1 - %2</translation>
    </message>
    <message>
        <source>Produttore: %1</source>
        <translation>Produttore: %1</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>%1 al Kg</source>
        <translation>%1 al Kg</translation>
    </message>
    <message>
        <source>Macchina %1</source>
        <translation>Macchina %1</translation>
    </message>
    <message>
        <source>modificata il %1</source>
        <translation>modificata il %1</translation>
    </message>
</context>
<context>
    <name>kv7::reports::TEstrattoConto</name>
    <message>
        <source>Estratto conto stagione</source>
        <translation>Estratto conto stagione</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Produttore</translation>
    </message>
    <message>
        <source>Dal</source>
        <translation>Dal</translation>
    </message>
    <message>
        <source>Al</source>
        <translation>Al</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>kv7::reports::TImpAzienda</name>
    <message>
        <source>Impostazione Azienda</source>
        <translation>Impostazione Azienda</translation>
    </message>
    <message>
        <source>&amp;Intestazione (4 righe):</source>
        <translation>&amp;Intestazione (4 righe):</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>kv7::reports::TImpCosti</name>
    <message>
        <source>Impostazione Costi</source>
        <translation>Impostazione Costi</translation>
    </message>
    <message>
        <source>Persone</source>
        <translation>Persone</translation>
    </message>
    <message>
        <source>Costo orario</source>
        <translation>Costo orario</translation>
    </message>
    <message>
        <source>Categoria %1</source>
        <translation>Categoria %1</translation>
    </message>
    <message>
        <source>Costo orario complessivo</source>
        <translation>Costo orario complessivo</translation>
    </message>
    <message>
        <source>Costo / Minuto</source>
        <translation>Costo / Minuto</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>I valori della categoria %1 sono fuori misura</source>
        <translation>I valori della categoria %1 sono fuori misura</translation>
    </message>
</context>
<context>
    <name>kv7::reports::TPrint_boll</name>
    <message>
        <source>stampa programma</source>
        <translation>stampa programma</translation>
    </message>
    <message>
        <source>stampa installazione</source>
        <translation>stampa installazione</translation>
    </message>
    <message>
        <source>stampa produttori</source>
        <translation>stampa produttori</translation>
    </message>
    <message>
        <source>stampa bolla</source>
        <translation>stampa bolla</translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <source>Salva &amp;PDF</source>
        <translation>Salva &amp;PDF</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Salva PDF</translation>
    </message>
    <message>
        <source>File PDF non scritto: %1</source>
        <translation>File PDF non scritto: %1</translation>
    </message>
    <message>
        <source>stampa statistiche</source>
        <translation>stampa statistiche</translation>
    </message>
    <message>
        <source>estratto conto stagione</source>
        <translation>estratto conto stagione</translation>
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
        <translation>Calibrazione Linee</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Procedura Automatica</source>
        <translation>Procedura Automatica</translation>
    </message>
    <message>
        <source>Inizia</source>
        <translation>Inizia</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Peso Campione</source>
        <translation>Peso Campione</translation>
    </message>
    <message>
        <source>Procedura Manuale</source>
        <translation>Procedura Manuale</translation>
    </message>
    <message>
        <source>Linea</source>
        <translation>Linea</translation>
    </message>
    <message>
        <source>- N° -</source>
        <translation>- N° -</translation>
    </message>
    <message>
        <source>- KAPPA -</source>
        <translation>- KAPPA -</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Correzione errori</source>
        <translation>Correzione errori</translation>
    </message>
    <message>
        <source>Sovrapeso</source>
        <translation>Sovrapeso</translation>
    </message>
    <message>
        <source>Sottopeso</source>
        <translation>Sottopeso</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestCelle</name>
    <message>
        <source>Test Celle</source>
        <translation>Test Celle</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestEncoder</name>
    <message>
        <source>Test Encoder</source>
        <translation>Test Encoder</translation>
    </message>
    <message>
        <source>N. Giro</source>
        <translation>N. Giro</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Ultimo Errore</source>
        <translation>Ultimo Errore</translation>
    </message>
    <message>
        <source>Penultimo Errore</source>
        <translation>Penultimo Errore</translation>
    </message>
    <message>
        <source>Terzultimo Errore</source>
        <translation>Terzultimo Errore</translation>
    </message>
    <message>
        <source>Quartultimo Errore</source>
        <translation>Quartultimo Errore</translation>
    </message>
    <message>
        <source>Quintultimo Errore</source>
        <translation>Quintultimo Errore</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestMagneti</name>
    <message>
        <source>Test Magneti</source>
        <translation>Test Magneti</translation>
    </message>
    <message>
        <source>Test Dinamico</source>
        <translation>Test Dinamico</translation>
    </message>
    <message>
        <source>Test Statico</source>
        <translation>Test Statico</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Uscita N.</source>
        <translation>Uscita N.</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestMem</name>
    <message>
        <source>TEST NETTO MEMORIZZATO</source>
        <translation>TEST NETTO MEMORIZZATO</translation>
    </message>
    <message>
        <source>N. TAZZA</source>
        <translation>N. TAZZA</translation>
    </message>
    <message>
        <source>TARA</source>
        <translation>TARA</translation>
    </message>
    <message>
        <source>NETTO</source>
        <translation>NETTO</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestOscilloscopio</name>
    <message>
        <source>Funzione Oscilloscopio</source>
        <translation>Funzione Oscilloscopio</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Globale</source>
        <translation>Globale</translation>
    </message>
    <message>
        <source>Cattura</source>
        <translation>Cattura</translation>
    </message>
    <message>
        <source>Linea in esame</source>
        <translation>Linea in esame</translation>
    </message>
    <message>
        <source>Soglia lnnesco</source>
        <translation>Soglia lnnesco</translation>
    </message>
    <message>
        <source>Tazza</source>
        <translation>Tazza</translation>
    </message>
    <message>
        <source>minimo</source>
        <translation>minimo</translation>
    </message>
    <message>
        <source>massimo</source>
        <translation>massimo</translation>
    </message>
    <message>
        <source>Lordo Assoluto</source>
        <translation>Lordo Assoluto</translation>
    </message>
    <message>
        <source>Salva su File</source>
        <translation>Salva su File</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Regolazione Fase</source>
        <translation>Regolazione Fase</translation>
    </message>
    <message>
        <source>Fase Zero</source>
        <translation>Fase Zero</translation>
    </message>
    <message>
        <source>Aggiorna</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Ferma</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>cattura</source>
        <translation>cattura</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestTazzeVuote</name>
    <message>
        <source>Test Tazze Vuote</source>
        <translation>Test Tazze Vuote</translation>
    </message>
    <message>
        <source>Numero Tazza</source>
        <translation>Numero Tazza</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Limite +/-</source>
        <translation>Limite +/-</translation>
    </message>
    <message>
        <source>gr</source>
        <translation>gr</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Inizio</translation>
    </message>
</context>
<context>
    <name>kv7::service::Ttabtara</name>
    <message>
        <source>TABELLA TARA</source>
        <translation>TABELLA TARA</translation>
    </message>
    <message>
        <source>Rinfresca</source>
        <translation>Rinfresca</translation>
    </message>
    <message>
        <source>N.</source>
        <translation>N.</translation>
    </message>
</context>
<context>
    <name>kv7::stats::TStatistiche</name>
    <message>
        <source>Qualita 1</source>
        <translation>Qualita 1</translation>
    </message>
    <message>
        <source>Qualita 2</source>
        <translation>Qualita 2</translation>
    </message>
    <message>
        <source>Qualita 3</source>
        <translation>Qualita 3</translation>
    </message>
    <message>
        <source>Qualita 4</source>
        <translation>Qualita 4</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Scarto</translation>
    </message>
    <message>
        <source>Nessuna bolla nel periodo</source>
        <translation>Nessuna bolla nel periodo</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Calibri: %1</source>
        <translation>Calibri: %1</translation>
    </message>
    <message>
        <source>Andamento settimanale: scegliere un produttore</source>
        <translation>Andamento settimanale: scegliere un produttore</translation>
    </message>
    <message>
        <source>Andamento settimanale: %1</source>
        <translation>Andamento settimanale: %1</translation>
    </message>
    <message>
        <source>Archivio non disponibile</source>
        <translation>Archivio non disponibile</translation>
    </message>
    <message>
        <source>File CSV non scritto: %1</source>
        <translation>File CSV non scritto: %1</translation>
    </message>
    <message>
        <source>Scritto %1</source>
        <translation>Scritto %1</translation>
    </message>
    <message>
        <source>Esporta CSV</source>
        <translation>Esporta CSV</translation>
    </message>
    <message>
        <source>File CSV (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Statistiche</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>&amp;Dal:</source>
        <translation>&amp;Dal:</translation>
    </message>
    <message>
        <source>&amp;Al:</source>
        <translation>&amp;Al:</translation>
    </message>
    <message>
        <source>&amp;Raggruppa per:</source>
        <translation>&amp;Raggruppa per:</translation>
    </message>
    <message>
        <source>&amp;Produttore:</source>
        <translation>&amp;Produttore:</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Produttore</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Macchina</source>
        <translation>Macchina</translation>
    </message>
    <message>
        <source>Settimana</source>
        <translation>Settimana</translation>
    </message>
    <message>
        <source>A&amp;ggiorna</source>
        <translation>A&amp;ggiorna</translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <source>&amp;Esporta CSV</source>
        <translation>&amp;Esporta CSV</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Gruppo</source>
        <translation>Gruppo</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Bolle</source>
        <translation>Bolle</translation>
    </message>
    <message>
        <source>Kg dichiarati</source>
        <translation>Kg dichiarati</translation>
    </message>
    <message>
        <source>Kg campionati</source>
        <translation>Kg campionati</translation>
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
        <translation>Scarto %</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Valore/Kg</source>
        <translation>Valore/Kg</translation>
    </message>
</context>
<context>
    <name>kv7::ui::TAboutBox</name>
    <message>
        <source>Informazioni</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Versione : %1</source>
        <translation>Versione : %1</translation>
    </message>
    <message>
        <source>Nome Prodotto : %1</source>
        <translation>Nome Prodotto : %1</translation>
    </message>
</context>
<context>
    <name>kv7::ui::TErr_map</name>
    <message>
        <source>Mappa errori SRD12</source>
        <translation>Mappa errori SRD12</translation>
    </message>
</context>
<context>
    <name>kv7::ui::THelp</name>
    <message>
        <source>La guida dell&apos;operatore (%1) non è stata trovata in:
%2</source>
        <translation>La guida dell&apos;operatore (%1) non è stata trovata in:
%2</translation>
    </message>
    <message>
        <source>Aiuto - Guida dell&apos;operatore</source>
        <translation>Aiuto - Guida dell&apos;operatore</translation>
    </message>
</context>
<context>
    <name>kv7::ui::TMain</name>
    <message>
        <source>&amp;Bolla N:</source>
        <translation>&amp;Bolla N:</translation>
    </message>
    <message>
        <source>T&amp;otale Partita kg:</source>
        <translation>T&amp;otale Partita kg:</translation>
    </message>
    <message>
        <source>Stampa con totale partita</source>
        <translation>Stampa con totale partita</translation>
    </message>
    <message>
        <source>Preview stampa</source>
        <translation>Preview stampa</translation>
    </message>
    <message>
        <source>Blocco Alimentazione</source>
        <translation>Blocco Alimentazione</translation>
    </message>
    <message>
        <source>Tazza / Tazze bad</source>
        <translation>Tazza / Tazze bad</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Calibro</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Totali lavorazione</source>
        <translation>Totali lavorazione</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Scarto</translation>
    </message>
    <message>
        <source>TOTALE</source>
        <translation>TOTALE</translation>
    </message>
    <message>
        <source>Codici a barre</source>
        <translation>Codici a barre</translation>
    </message>
    <message>
        <source>Qualita &amp;%1</source>
        <translation>Qualita &amp;%1</translation>
    </message>
    <message>
        <source>Qualita %1</source>
        <translation>Qualita %1</translation>
    </message>
    <message>
        <source>Allarme qualita: premere per tacitare</source>
        <translation>Allarme qualita: premere per tacitare</translation>
    </message>
    <message>
        <source>&amp;Lavorazione</source>
        <translation>&amp;Lavorazione</translation>
    </message>
    <message>
        <source>&amp;Programmi</source>
        <translation>&amp;Programmi</translation>
    </message>
    <message>
        <source>&amp;Bolle</source>
        <translation>&amp;Bolle</translation>
    </message>
    <message>
        <source>Pro&amp;duttori</source>
        <translation>Pro&amp;duttori</translation>
    </message>
    <message>
        <source>&amp;Installazione</source>
        <translation>&amp;Installazione</translation>
    </message>
    <message>
        <source>A&amp;ssistenza</source>
        <translation>A&amp;ssistenza</translation>
    </message>
    <message>
        <source>S&amp;carti</source>
        <translation>S&amp;carti</translation>
    </message>
    <message>
        <source>Controllo &amp;Remoto</source>
        <translation>Controllo &amp;Remoto</translation>
    </message>
    <message>
        <source>Lin&amp;gua</source>
        <translation>Lin&amp;gua</translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Programma  (F2)</source>
        <translation>Programma  (F2)</translation>
    </message>
    <message>
        <source>&amp;Modifica P/U  (F6)</source>
        <translation>&amp;Modifica P/U  (F6)</translation>
    </message>
    <message>
        <source>&amp;Azzeramento   (F8)</source>
        <translation>&amp;Azzeramento   (F8)</translation>
    </message>
    <message>
        <source>&amp;Dati   (F3)</source>
        <translation>&amp;Dati   (F3)</translation>
    </message>
    <message>
        <source>&amp;Totali</source>
        <translation>&amp;Totali</translation>
    </message>
    <message>
        <source>&amp;Stampa   (F7)</source>
        <translation>&amp;Stampa   (F7)</translation>
    </message>
    <message>
        <source>&amp;Fine Lavorazione (F9)</source>
        <translation>&amp;Fine Lavorazione (F9)</translation>
    </message>
    <message>
        <source>&amp;Reset Centralina</source>
        <translation>&amp;Reset Centralina</translation>
    </message>
    <message>
        <source>&amp;Nuovo</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Modifica</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Cancella</source>
        <translation>&amp;Cancella</translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <source>&amp;Nuova</source>
        <translation>&amp;Nuova</translation>
    </message>
    <message>
        <source>esporta per Date</source>
        <translation>esporta per Date</translation>
    </message>
    <message>
        <source>esporta giornaliero</source>
        <translation>esporta giornaliero</translation>
    </message>
    <message>
        <source>&amp;Azzeramento Bolle</source>
        <translation>&amp;Azzeramento Bolle</translation>
    </message>
    <message>
        <source>&amp;Azzera Produttori</source>
        <translation>&amp;Azzera Produttori</translation>
    </message>
    <message>
        <source>&amp;Calibratrice</source>
        <translation>&amp;Calibratrice</translation>
    </message>
    <message>
        <source>&amp;Programma</source>
        <translation>&amp;Programma</translation>
    </message>
    <message>
        <source>&amp;Salva su Penna USB</source>
        <translation>&amp;Salva su Penna USB</translation>
    </message>
    <message>
        <source>&amp;Ripristina da Penna USB</source>
        <translation>&amp;Ripristina da Penna USB</translation>
    </message>
    <message>
        <source>Controllo &amp;CELLE</source>
        <translation>Controllo &amp;CELLE</translation>
    </message>
    <message>
        <source>&amp;Memorizzato</source>
        <translation>&amp;Memorizzato</translation>
    </message>
    <message>
        <source>&amp;Encoder</source>
        <translation>&amp;Encoder</translation>
    </message>
    <message>
        <source>Controllo &amp;Tazze</source>
        <translation>Controllo &amp;Tazze</translation>
    </message>
    <message>
        <source>Tabella T&amp;ara</source>
        <translation>Tabella T&amp;ara</translation>
    </message>
    <message>
        <source>Ca&amp;librazione</source>
        <translation>Ca&amp;librazione</translation>
    </message>
    <message>
        <source>&amp;Oscilloscopio</source>
        <translation>&amp;Oscilloscopio</translation>
    </message>
    <message>
        <source>Aggiorna Tempi Scarti</source>
        <translation>Aggiorna Tempi Scarti</translation>
    </message>
    <message>
        <source>Mappa errori SRD12</source>
        <translation>Mappa errori SRD12</translation>
    </message>
    <message>
        <source>Remoto 1</source>
        <translation>Remoto 1</translation>
    </message>
    <message>
        <source>Remoto 2</source>
        <translation>Remoto 2</translation>
    </message>
    <message>
        <source>Remoto 3</source>
        <translation>Remoto 3</translation>
    </message>
    <message>
        <source>Italiano</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Spagnolo</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>Portoghese</source>
        <translation>Portoghese</translation>
    </message>
    <message>
        <source>Inglese</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>Francese</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>Tedesco</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>Greco</source>
        <translation>Greco</translation>
    </message>
    <message>
        <source>Cinese</source>
        <translation>Cinese</translation>
    </message>
    <message>
        <source>Russo</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Indiano</source>
        <translation>Indiano</translation>
    </message>
    <message>
        <source>&amp;Informazioni</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Controllo Aggiornamenti On-line</source>
        <translation>&amp;Controllo Aggiornamenti On-line</translation>
    </message>
    <message>
        <source>&amp;Fine</source>
        <translation>&amp;Fine</translation>
    </message>
    <message>
        <source>&amp;Costi</source>
        <translation>&amp;Costi</translation>
    </message>
    <message>
        <source>Produzione oraria = %1 ql/h</source>
        <translation>Produzione oraria = %1 ql/h</translation>
    </message>
    <message>
        <source>Costo L. %1   al Kg. L. %2 (%3)</source>
        <translation>Costo L. %1   al Kg. L. %2 (%3)</translation>
    </message>
    <message>
        <source>Qualità %1: % per calibro</source>
        <translation>Qualità %1: % per calibro</translation>
    </message>
    <message>
        <source>&amp;Azienda</source>
        <translation>&amp;Azienda</translation>
    </message>
    <message>
        <source>Test Ma&amp;gneti</source>
        <translation>Test Ma&amp;gneti</translation>
    </message>
    <message>
        <source>Impostazioni di stampa non salvate: %1</source>
        <translation>Impostazioni di stampa non salvate: %1</translation>
    </message>
    <message>
        <source>Costo al Kg. L. %1 %2</source>
        <translation>Costo al Kg. L. %1 %2</translation>
    </message>
    <message>
        <source>S&amp;tatistiche</source>
        <translation>S&amp;tatistiche</translation>
    </message>
    <message>
        <source>&amp;Listino</source>
        <translation>&amp;Listino</translation>
    </message>
    <message>
        <source>&amp;Estratto conto stagione</source>
        <translation>&amp;Estratto conto stagione</translation>
    </message>
</context>
<context>
    <name>kv7::ui::WholeNumberField</name>
    <message>
        <source>&quot;%1&quot; non è un numero intero: il campo accetta solo numeri interi.</source>
        <translation>&quot;%1&quot; non è un numero intero: il campo accetta solo numeri interi.</translation>
    </message>
</context>
<context>
    <name>kv7::web</name>
    <message>
        <source>Num.</source>
        <translation>Num.</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Macchina %1</source>
        <translation>Macchina %1</translation>
    </message>
    <message>
        <source>Stato</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Bolla</source>
        <translation>Bolla</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Produttore</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Macchina</source>
        <translation>Macchina</translation>
    </message>
    <message>
        <source>Kg dichiarati</source>
        <translation>Kg dichiarati</translation>
    </message>
    <message>
        <source>Data non valida (AAAA-MM-GG)</source>
        <translation>Data non valida (AAAA-MM-GG)</translation>
    </message>
    <message>
        <source>Macchina non valida</source>
        <translation>Macchina non valida</translation>
    </message>
    <message>
        <source>Dal</source>
        <translation>Dal</translation>
    </message>
    <message>
        <source>Al</source>
        <translation>Al</translation>
    </message>
    <message>
        <source>Filtra</source>
        <translation>Filtra</translation>
    </message>
    <message>
        <source>Kg campionati</source>
        <translation>Kg campionati</translation>
    </message>
    <message>
        <source>Prima</source>
        <translation>Prima</translation>
    </message>
    <message>
        <source>Precedente</source>
        <translation>Precedente</translation>
    </message>
    <message>
        <source>Pagina %1 di %2 (%3 bolle)</source>
        <translation>Pagina %1 di %2 (%3 bolle)</translation>
    </message>
    <message>
        <source>Successiva</source>
        <translation>Successiva</translation>
    </message>
    <message>
        <source>Ultima</source>
        <translation>Ultima</translation>
    </message>
    <message>
        <source>Scarica CSV</source>
        <translation>Scarica CSV</translation>
    </message>
    <message>
        <source>Nessuna bolla</source>
        <translation>Nessuna bolla</translation>
    </message>
    <message>
        <source>Bolle</source>
        <translation>Bolle</translation>
    </message>
    <message>
        <source>Archivio non disponibile</source>
        <translation>Archivio non disponibile</translation>
    </message>
    <message>
        <source>Registrazione</source>
        <translation>Registrazione</translation>
    </message>
    <message>
        <source>Lotto</source>
        <translation>Lotto</translation>
    </message>
    <message>
        <source>Operatore</source>
        <translation>Operatore</translation>
    </message>
    <message>
        <source>Casse</source>
        <translation>Casse</translation>
    </message>
    <message>
        <source>Pedane</source>
        <translation>Pedane</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Modificata il</source>
        <translation>Modificata il</translation>
    </message>
    <message>
        <source>Qualità</source>
        <translation>Qualità</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Calibro</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Totale qualità</source>
        <translation>Totale qualità</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Scarto</translation>
    </message>
    <message>
        <source>Totale generale</source>
        <translation>Totale generale</translation>
    </message>
    <message>
        <source>Listino dal</source>
        <translation>Listino dal</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Prezzo medio al Kg</source>
        <translation>Prezzo medio al Kg</translation>
    </message>
    <message>
        <source>Kg valutati</source>
        <translation>Kg valutati</translation>
    </message>
    <message>
        <source>Senza prezzo</source>
        <translation>Senza prezzo</translation>
    </message>
    <message>
        <source>Modifiche</source>
        <translation>Modifiche</translation>
    </message>
    <message>
        <source>Nessuna modifica</source>
        <translation>Nessuna modifica</translation>
    </message>
    <message>
        <source>Quando</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>Utente</source>
        <translation>Utente</translation>
    </message>
    <message>
        <source>Finestra</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Azione</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Numero di bolla non valido</source>
        <translation>Numero di bolla non valido</translation>
    </message>
    <message>
        <source>Bolla non trovata</source>
        <translation>Bolla non trovata</translation>
    </message>
    <message>
        <source>Il programma %1 della bolla non è più in archivio</source>
        <translation>Il programma %1 della bolla non è più in archivio</translation>
    </message>
    <message>
        <source>Pesi campionati</source>
        <translation>Pesi campionati</translation>
    </message>
    <message>
        <source>Sul peso dichiarato</source>
        <translation>Sul peso dichiarato</translation>
    </message>
    <message>
        <source>Bolla %1</source>
        <translation>Bolla %1</translation>
    </message>
    <message>
        <source>Raggruppamento non valido</source>
        <translation>Raggruppamento non valido</translation>
    </message>
    <message>
        <source>Raggruppa per</source>
        <translation>Raggruppa per</translation>
    </message>
    <message>
        <source>Settimana</source>
        <translation>Settimana</translation>
    </message>
    <message>
        <source>Mostra</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Produzione (kg/h)</source>
        <translation>Produzione (kg/h)</translation>
    </message>
    <message>
        <source>Tazze al minuto</source>
        <translation>Tazze al minuto</translation>
    </message>
    <message>
        <source>Bolle in attesa</source>
        <translation>Bolle in attesa</translation>
    </message>
    <message>
        <source>Ultimo aggiornamento</source>
        <translation>Ultimo aggiornamento</translation>
    </message>
    <message>
        <source>non risponde</source>
        <translation>non risponde</translation>
    </message>
    <message>
        <source>Qualità %1</source>
        <translation>Qualità %1</translation>
    </message>
    <message>
        <source>Gruppo</source>
        <translation>Gruppo</translation>
    </message>
    <message>
        <source>Valore al Kg</source>
        <translation>Valore al Kg</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Nessuna bolla nel periodo</source>
        <translation>Nessuna bolla nel periodo</translation>
    </message>
    <message>
        <source>Qualità per gruppo</source>
        <translation>Qualità per gruppo</translation>
    </message>
    <message>
        <source>Distribuzione per calibro: %1</source>
        <translation>Distribuzione per calibro: %1</translation>
    </message>
    <message>
        <source>Nessuna macchina ha ancora scritto il suo stato</source>
        <translation>Nessuna macchina ha ancora scritto il suo stato</translation>
    </message>
    <message>
        <source>Archivio non raggiungibile</source>
        <translation>Archivio non raggiungibile</translation>
    </message>
    <message>
        <source>Aggiornamento interrotto: nuovo tentativo in corso</source>
        <translation>Aggiornamento interrotto: nuovo tentativo in corso</translation>
    </message>
    <message>
        <source>Accesso</source>
        <translation>Accesso</translation>
    </message>
    <message>
        <source>Utente o password errati</source>
        <translation>Utente o password errati</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Entra</source>
        <translation>Entra</translation>
    </message>
    <message>
        <source>Macchine</source>
        <translation>Macchine</translation>
    </message>
    <message>
        <source>Pagina non trovata</source>
        <translation>Pagina non trovata</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Cambia</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Statistiche</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Manca il produttore</source>
        <translation>Manca il produttore</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Valori prima</source>
        <translation>Valori prima</translation>
    </message>
    <message>
        <source>Valori dopo</source>
        <translation>Valori dopo</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Q%1 C%2</source>
        <translation>Q%1 C%2</translation>
    </message>
</context>
</TS>
