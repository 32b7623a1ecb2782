<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR" sourcelanguage="it_IT">
<context>
    <name>BatchMessages</name>
    <message>
        <source>Nuova Bolla N:</source>
        <translation>Νέο δελτίο αρ.:</translation>
    </message>
    <message>
        <source>Modifica Bolla N:</source>
        <translation>Τροποποίηση δελτίου αρ.:</translation>
    </message>
    <message>
        <source>Archivio Programmi Vuoto, Rilavorazione impossibile.</source>
        <translation>Το αρχείο προγραμμάτων είναι κενό, η επανεπεξεργασία είναι αδύνατη.</translation>
    </message>
    <message>
        <source>Caricamento Programma </source>
        <translation>Φόρτωση προγράμματος </translation>
    </message>
    <message>
        <source>Programma dell archivio INESISTENTE, selezionarne uno dalla lista.</source>
        <translation>Το πρόγραμμα ΔΕΝ ΥΠΑΡΧΕΙ στο αρχείο, επιλέξτε ένα από τη λίστα.</translation>
    </message>
    <message>
        <source>Numero Programmi</source>
        <translation>Αριθμός προγραμμάτων</translation>
    </message>
    <message>
        <source>Il campo %1 non contiene un numero intero: &quot;%2&quot;. La bolla non è stata salvata.</source>
        <translation>Το πεδίο %1 δεν περιέχει ακέραιο αριθμό: &quot;%2&quot;. Το δελτίο δεν αποθηκεύτηκε.</translation>
    </message>
    <message>
        <source>Il codice produttore deve essere un numero intero: &quot;%1&quot;.</source>
        <translation>Ο κωδικός παραγωγού πρέπει να είναι ακέραιος αριθμός: &quot;%1&quot;.</translation>
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
        <translation>Χρήση: kv7 [-o]
Κονσόλα του δειγματολήπτη KV7· εργάζεται στον τρέχοντα φάκελο (kv2.log, αρχεία εργασίας).
  -o           ελεγκτής παλαιού τύπου (γραμμή στα 9600 baud)
  --help       εμφανίζει αυτή τη βοήθεια και τερματίζει
  --version    εμφανίζει την έκδοση και τερματίζει
Αρχείο: KV7_DB_HOST, KV7_DB_PORT, KV7_DB_SOCKET, KV7_DB_USER, KV7_DB_PASSWORD, KV7_DB_NAME.
Ρυθμίσεις: KV7_CONFIG_DIR. Με ιδιωτικό αρχείο: kv7-db.
</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Il comando %1 non è andato a buon fine</source>
        <translation>Η εντολή %1 απέτυχε</translation>
    </message>
    <message>
        <source>Il comando %1 non ha ricevuto una risposta corretta</source>
        <translation>Η εντολή %1 δεν έλαβε σωστή απάντηση</translation>
    </message>
    <message>
        <source>Il comando %1 non ha ricevuto una risposta corretta=%2</source>
        <translation>Η εντολή %1 δεν έλαβε σωστή απάντηση=%2</translation>
    </message>
    <message>
        <source>Il comando %1 non è stato trasmesso correttamente</source>
        <translation>Η εντολή %1 δεν μεταδόθηκε σωστά</translation>
    </message>
    <message>
        <source>Il comando di versione non ha ricevuto una risposta corretta</source>
        <translation>Η εντολή έκδοσης δεν έλαβε σωστή απάντηση</translation>
    </message>
    <message>
        <source>Il comando di type non ha ricevuto una risposta corretta</source>
        <translation>Η εντολή τύπου δεν έλαβε σωστή απάντηση</translation>
    </message>
    <message>
        <source>Il comando di controllo rotazione non è stato trasmesso correttamente</source>
        <translation>Η εντολή ελέγχου περιστροφής δεν μεταδόθηκε σωστά</translation>
    </message>
    <message>
        <source>Il comando di rotazione non ha ricevuto una risposta corretta</source>
        <translation>Η εντολή περιστροφής δεν έλαβε σωστή απάντηση</translation>
    </message>
    <message>
        <source>Il comando di Set rotazione non è stato trasmesso correttamente</source>
        <translation>Η εντολή ρύθμισης περιστροφής δεν μεταδόθηκε σωστά</translation>
    </message>
    <message>
        <source>Il comando di Set rotazione non ha ricevuto una risposta corretta</source>
        <translation>Η εντολή ρύθμισης περιστροφής δεν έλαβε σωστή απάντηση</translation>
    </message>
    <message>
        <source>Il comando di Set Delay Tara non è stato trasmesso correttamente</source>
        <translation>Η εντολή ρύθμισης καθυστέρησης απόβαρου δεν μεταδόθηκε σωστά</translation>
    </message>
    <message>
        <source>Il comando di Set Tipo Magneti non è stato trasmesso correttamente</source>
        <translation>Η εντολή ρύθμισης τύπου μαγνητών δεν μεταδόθηκε σωστά</translation>
    </message>
    <message>
        <source>Il comando tara tazza non è andato a buon fine</source>
        <translation>Η εντολή απόβαρου κυπέλλου απέτυχε</translation>
    </message>
    <message>
        <source>Il comando di traccia grafica non è stato inviato correttamente</source>
        <translation>Η εντολή γραφικής καταγραφής δεν στάλθηκε σωστά</translation>
    </message>
    <message>
        <source>Termina Oscilloscopio non eseguito...</source>
        <translation>Ο τερματισμός του παλμογράφου δεν εκτελέστηκε...</translation>
    </message>
    <message>
        <source>Il comando di controllo tazze vuote non è stato inviato correttamente</source>
        <translation>Η εντολή ελέγχου κενών κυπέλλων δεν στάλθηκε σωστά</translation>
    </message>
    <message>
        <source>Il comando di termina tazze vuote non eseguito</source>
        <translation>Η εντολή τερματισμού ελέγχου κενών κυπέλλων δεν εκτελέστηκε</translation>
    </message>
    <message>
        <source>Il comando di calibrazione linee non è stato inviato correttamente</source>
        <translation>Η εντολή βαθμονόμησης γραμμών δεν στάλθηκε σωστά</translation>
    </message>
    <message>
        <source>Il comando di termina calibrazione linee non è stato inviato correttamente</source>
        <translation>Η εντολή τερματισμού βαθμονόμησης γραμμών δεν στάλθηκε σωστά</translation>
    </message>
    <message>
        <source>0 - SCARTI ON</source>
        <translation>0 - ΑΠΟΡΡΙΨΕΙΣ ON</translation>
    </message>
    <message>
        <source>1 - attesa scar.</source>
        <translation>1 - αναμ. εκφόρτ.</translation>
    </message>
    <message>
        <source>2 - SCARICO</source>
        <translation>2 - ΕΚΦΟΡΤΩΣΗ</translation>
    </message>
    <message>
        <source>3 - ass. tara</source>
        <translation>3 - σταθ. απόβ.</translation>
    </message>
    <message>
        <source>4 - tara in corso</source>
        <translation>4 - απόβαρο σε εξέλ.</translation>
    </message>
    <message>
        <source>5 - att. carico</source>
        <translation>5 - αναμ. φόρτ.</translation>
    </message>
    <message>
        <source>6 - Carico Sing.</source>
        <translation>6 - Μονή φόρτωση</translation>
    </message>
    <message>
        <source>7 - Ass. e Accum.</source>
        <translation>7 - Σταθ. και συσσ.</translation>
    </message>
    <message>
        <source>8 - Doppia Carico</source>
        <translation>8 - Διπλή φόρτωση</translation>
    </message>
    <message>
        <source>9 - Ass. Accum. Pos.</source>
        <translation>9 - Σταθ. συσσ. θέσ.</translation>
    </message>
    <message>
        <source>? - errore scarti</source>
        <translation>? - σφάλμα απορρίψ.</translation>
    </message>
    <message>
        <source>0-SCARTI off</source>
        <translation>0-ΑΠΟΡΡΙΨΕΙΣ off</translation>
    </message>
    <message>
        <source>errore ciclo on scarti</source>
        <translation>σφάλμα ενεργοποίησης κύκλου απορρίψεων</translation>
    </message>
    <message>
        <source>Errori Centralina Scarti</source>
        <translation>Σφάλματα ελεγκτή απορρίψεων</translation>
    </message>
    <message>
        <source>Programma Peso = 0</source>
        <translation>Πρόγραμμα βάρους = 0</translation>
    </message>
    <message>
        <source>Set-Up Singola/Doppia</source>
        <translation>Ρύθμιση μονή/διπλή</translation>
    </message>
    <message>
        <source>Set-Up i due rele di carico = 0</source>
        <translation>Ρύθμιση: και τα δύο ρελέ φόρτωσης = 0</translation>
    </message>
    <message>
        <source>Set-Up i due rele di scarico = 0</source>
        <translation>Ρύθμιση: και τα δύο ρελέ εκφόρτωσης = 0</translation>
    </message>
    <message>
        <source>Set-Up k-Peso = 0</source>
        <translation>Ρύθμιση k-βάρους = 0</translation>
    </message>
    <message>
        <source>rele Scarico Destro non assegnato</source>
        <translation>δεξί ρελέ εκφόρτωσης δεν έχει οριστεί</translation>
    </message>
    <message>
        <source>rele Scarico Sinistro non assegnato</source>
        <translation>αριστερό ρελέ εκφόρτωσης δεν έχει οριστεί</translation>
    </message>
    <message>
        <source>Doppia manca 1 rele o 1 sensore di carico</source>
        <translation>Διπλή: λείπει 1 ρελέ ή 1 αισθητήρας φόρτωσης</translation>
    </message>
    <message>
        <source>Ciclo On Tara valore errato</source>
        <translation>Κύκλος On: λάθος τιμή απόβαρου</translation>
    </message>
    <message>
        <source>seriale Ricezione buffer pieno</source>
        <translation>σειριακή: γεμάτος buffer λήψης</translation>
    </message>
    <message>
        <source>seriale Trasmissione Time-Out</source>
        <translation>σειριακή: λήξη χρόνου αποστολής</translation>
    </message>
    <message>
        <source>comandi J/K errati</source>
        <translation>λάθος εντολές J/K</translation>
    </message>
    <message>
        <source>0 - Centralina off</source>
        <translation>0 - Ελεγκτής εκτός</translation>
    </message>
    <message>
        <source>0 - Accesa</source>
        <translation>0 - Σε λειτουργία</translation>
    </message>
    <message>
        <source>1 - Stand By</source>
        <translation>1 - Αναμονή</translation>
    </message>
    <message>
        <source>2 - Attesa Encoder</source>
        <translation>2 - Αναμονή encoder</translation>
    </message>
    <message>
        <source>3 - Tara iniziale</source>
        <translation>3 - Αρχική απόβαρο</translation>
    </message>
    <message>
        <source>4 - Lavorazione</source>
        <translation>4 - Επεξεργασία</translation>
    </message>
    <message>
        <source>5 - Fine partita</source>
        <translation>5 - Τέλος παρτίδας</translation>
    </message>
    <message>
        <source>%1tz/s</source>
        <translation>%1 κπ/s</translation>
    </message>
    <message>
        <source>set Encoder orario</source>
        <translation>encoder δεξιόστροφα</translation>
    </message>
    <message>
        <source>set Encoder antiorario</source>
        <translation>encoder αριστερόστροφα</translation>
    </message>
    <message>
        <source>Trasf. %1Mb3 = %2 %</source>
        <translation>Αποστ.%1στο Mb3 = %2 %</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Πρόγραμμα</translation>
    </message>
    <message>
        <source>Bolla temporanea non presente!</source>
        <translation>Δεν υπάρχει προσωρινό δελτίο!</translation>
    </message>
    <message>
        <source>Vuoi esportare i dati verso AS400 ?</source>
        <translation>Να εξαχθούν τα δεδομένα στο AS400;</translation>
    </message>
    <message>
        <source>KV7 Campionatrice</source>
        <translation>KV7 Δειγματολήπτης</translation>
    </message>
    <message>
        <source>Programma Gestione Calibratrice</source>
        <translation>Πρόγραμμα διαχείρισης διαλογέα</translation>
    </message>
    <message>
        <source>non abilitata</source>
        <translation>μη ενεργή</translation>
    </message>
    <message>
        <source>KV7 Campionatrice%1</source>
        <translation>KV7 Δειγματολήπτης%1</translation>
    </message>
    <message>
        <source>La centralina è spenta, accenderla per favore!</source>
        <translation>Η μονάδα ελέγχου είναι σβηστή, παρακαλώ ανάψτε την!</translation>
    </message>
    <message>
        <source>I totali verranno azzerati, vuoi continuare ?</source>
        <translation>Τα σύνολα θα μηδενιστούν, θέλετε να συνεχίσετε;</translation>
    </message>
    <message>
        <source>richiesta totali della centralina scarti non risposta!</source>
        <translation>ο σταθμός απορρίψεων δεν απάντησε στο αίτημα συνόλων!</translation>
    </message>
    <message>
        <source>1-SCARTI ON</source>
        <translation>1-ΑΠΟΡΡΙΨΕΙΣ ON</translation>
    </message>
    <message>
        <source>linea %1 non risponde</source>
        <translation>η γραμμή %1 δεν απαντά</translation>
    </message>
    <message>
        <source>Il programma %1 non è in archivio.</source>
        <translation>Το πρόγραμμα %1 δεν υπάρχει στο αρχείο.</translation>
    </message>
    <message>
        <source>Il programma %1 non può essere caricato: il codice deve essere un numero da 1 a 98.</source>
        <translation>Το πρόγραμμα %1 δεν μπορεί να φορτωθεί: ο κωδικός πρέπει να είναι αριθμός από 1 έως 98.</translation>
    </message>
    <message>
        <source>Il programma è quello corrente; non è possibile cancellarlo!</source>
        <translation>Είναι το τρέχον πρόγραμμα· δεν μπορεί να διαγραφεί!</translation>
    </message>
    <message>
        <source>Tutti i codici da 01 a 98 sono già usati: cancellare un programma.</source>
        <translation>Όλοι οι κωδικοί από 01 έως 98 χρησιμοποιούνται: διαγράψτε ένα πρόγραμμα.</translation>
    </message>
    <message>
        <source>programma %1 non in archivio</source>
        <translation>το πρόγραμμα %1 δεν υπάρχει στο αρχείο</translation>
    </message>
    <message>
        <source>Il campo %1 non contiene un numero intero: &quot;%2&quot;. La bolla non è stata salvata.</source>
        <translation>Το πεδίο %1 δεν περιέχει ακέραιο αριθμό: &quot;%2&quot;. Το δελτίο δεν αποθηκεύτηκε.</translation>
    </message>
    <message>
        <source>Totale partita deve essere maggiore di zero!</source>
        <translation>Το σύνολο της παρτίδας πρέπει να είναι μεγαλύτερο από μηδέν!</translation>
    </message>
    <message>
        <source>azzione scarti!</source>
        <translation>ενέργεια απορρίψεων!</translation>
    </message>
    <message>
        <source>nessun programma caricato</source>
        <translation>δεν έχει φορτωθεί πρόγραμμα</translation>
    </message>
    <message>
        <source>Verificare che la macchina sia vuota, premere Yes per eseguire la calibrazione.</source>
        <translation>Βεβαιωθείτε ότι η μηχανή είναι άδεια, πατήστε Yes για βαθμονόμηση.</translation>
    </message>
    <message>
        <source>La bolla %1 non è stata salvata: %2. I totali restano nella centralina.</source>
        <translation>Το δελτίο %1 δεν αποθηκεύτηκε: %2. Τα σύνολα παραμένουν στη μονάδα ελέγχου.</translation>
    </message>
    <message>
        <source>La bolla %1 è in attesa: sarà archiviata appena il database risponde.</source>
        <translation>Το δελτίο %1 είναι σε αναμονή: θα αρχειοθετηθεί μόλις απαντήσει η βάση δεδομένων.</translation>
    </message>
    <message>
        <source>Il record della bolla %1 è in attesa: la cartella %2 non è scrivibile.</source>
        <translation>Η εγγραφή του δελτίου %1 είναι σε αναμονή: ο φάκελος %2 δεν είναι εγγράψιμος.</translation>
    </message>
    <message>
        <source>Giornale delle bolle non disponibile: %1</source>
        <translation>Ημερολόγιο δελτίων μη διαθέσιμο: %1</translation>
    </message>
    <message>
        <source>Esportazione non scritta: %1</source>
        <translation>Η εξαγωγή δεν γράφτηκε: %1</translation>
    </message>
    <message>
        <source>Lavorazione precedente n: %1</source>
        <translation>Προηγούμενη επεξεργασία αρ: %1</translation>
    </message>
    <message>
        <source>%1 bolle in attesa</source>
        <translation>%1 δελτία σε αναμονή</translation>
    </message>
    <message>
        <source>%1 record in attesa</source>
        <translation>%1 εγγραφές σε αναμονή</translation>
    </message>
    <message>
        <source>Attenzione! le modifiche apportate nel quadro che segue possono alterare il funzionamento della macchina. Si vuole proseguire?</source>
        <translation>Προσοχή! Οι αλλαγές στο επόμενο παράθυρο μπορεί να αλλοιώσουν τη λειτουργία του μηχανήματος. Θέλετε να συνεχίσετε;</translation>
    </message>
    <message>
        <source>Com non disponibile nel computer, il programma terminera!</source>
        <translation>Η θύρα COM δεν είναι διαθέσιμη στον υπολογιστή, το πρόγραμμα θα τερματιστεί!</translation>
    </message>
    <message>
        <source>Com Scarti non disponibile nel computer, il programma terminera!</source>
        <translation>Η θύρα COM απορριμμάτων δεν είναι διαθέσιμη στον υπολογιστή, το πρόγραμμα θα τερματιστεί!</translation>
    </message>
    <message>
        <source>Dischetto sul floppy non presente o non leggibile!</source>
        <translation>Ο δίσκος δεν υπάρχει ή δεν διαβάζεται!</translation>
    </message>
    <message>
        <source>Salvataggio effettuato!</source>
        <translation>Η αποθήκευση ολοκληρώθηκε!</translation>
    </message>
    <message>
        <source>Ripristino effettuato!</source>
        <translation>Η επαναφορά ολοκληρώθηκε!</translation>
    </message>
    <message>
        <source>Cancellazione non possibile, Bolla precedente in corso.</source>
        <translation>Η διαγραφή δεν είναι δυνατή, προηγούμενο δελτίο σε εξέλιξη.</translation>
    </message>
    <message>
        <source>Cancellare archivio Bolle? non sarà possibile recuperarlo.</source>
        <translation>Διαγραφή του αρχείου δελτίων; Δεν θα μπορεί να ανακτηθεί.</translation>
    </message>
    <message>
        <source>Cancellare archivio Produttori? non sarà possibile recuperarlo.</source>
        <translation>Διαγραφή του αρχείου παραγωγών; Δεν θα μπορεί να ανακτηθεί.</translation>
    </message>
    <message>
        <source>Archivio Bolle cancellato!</source>
        <translation>Το αρχείο δελτίων διαγράφηκε!</translation>
    </message>
    <message>
        <source>Archivio Produttori cancellato!</source>
        <translation>Το αρχείο παραγωγών διαγράφηκε!</translation>
    </message>
    <message>
        <source>Copia di sicurezza non riuscita: archivio non cancellato.</source>
        <translation>Το αντίγραφο ασφαλείας απέτυχε: το αρχείο δεν διαγράφηκε.</translation>
    </message>
    <message>
        <source>Copia di sicurezza dell&apos;archivio in %1</source>
        <translation>Αντίγραφο ασφαλείας του αρχείου στο %1</translation>
    </message>
    <message>
        <source>Impossibile avviare il programma di aggiornamento %1</source>
        <translation>Δεν είναι δυνατή η εκκίνηση του προγράμματος ενημέρωσης %1</translation>
    </message>
    <message>
        <source>Termine Memorizzato non accettato!</source>
        <translation>Ο τερματισμός του αποθηκευμένου δεν έγινε δεκτός!</translation>
    </message>
    <message>
        <source>Fine funzione oscilloscopio... non eseguita!</source>
        <translation>Τέλος λειτουργίας παλμογράφου... δεν εκτελέστηκε!</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1: le tracce non vengono più salvate.</source>
        <translation>Αδύνατη η εγγραφή του αρχείου %1: τα ίχνη δεν αποθηκεύονται πλέον.</translation>
    </message>
    <message>
        <source>Totali con la bolla archiviata n: %1 (azzerare F8)</source>
        <translation>Σύνολα με αρχειοθετημένο δελτίο αρ: %1 (μηδενισμός F8)</translation>
    </message>
    <message>
        <source>La linea %1 non ha dato i totali: la bolla non è stata archiviata. Premere F9 quando la linea risponde.</source>
        <translation>Η γραμμή %1 δεν έδωσε σύνολα: το δελτίο δεν αρχειοθετήθηκε. Πατήστε F9 όταν απαντήσει η γραμμή.</translation>
    </message>
    <message>
        <source>%1 bolle rifiutate</source>
        <translation>%1 δελτία απορρίφθηκαν</translation>
    </message>
    <message>
        <source>La bolla %1 è stata rifiutata dall&apos;archivio: %2. Resta nel giornale tra le bolle rifiutate.</source>
        <translation>Το αρχείο απέρριψε το δελτίο %1: %2. Παραμένει στο ημερολόγιο μαζί με τα απορριφθέντα δελτία.</translation>
    </message>
    <message>
        <source>La bolla è stata registrata con il numero %1: il numero %2 è stato preso nel frattempo da un&apos;altra bolla.</source>
        <translation>Το δελτίο καταχωρίστηκε με αριθμό %1: ένα άλλο δελτίο πήρε στο μεταξύ τον αριθμό %2.</translation>
    </message>
    <message>
        <source>La bolla %1 è stata cancellata dopo l&apos;apertura: le modifiche non sono state salvate.</source>
        <translation>Το δελτίο %1 διαγράφηκε μετά το άνοιγμα: οι αλλαγές δεν αποθηκεύτηκαν.</translation>
    </message>
    <message>
        <source>La bolla %1 è stata cambiata dopo l&apos;apertura: le modifiche non sono state salvate.</source>
        <translation>Το δελτίο %1 άλλαξε μετά το άνοιγμα: οι αλλαγές δεν αποθηκεύτηκαν.</translation>
    </message>
    <message>
        <source>La bolla %1 non esiste più.</source>
        <translation>Το δελτίο %1 δεν υπάρχει πια.</translation>
    </message>
    <message>
        <source>Errore imprevisto: %1. Il programma viene chiuso.</source>
        <translation>Απρόσμενο σφάλμα: %1. Το πρόγραμμα κλείνει.</translation>
    </message>
    <message>
        <source>Configurazione non leggibile (%1): il programma termina senza modificarla.</source>
        <translation>Μη αναγνώσιμη διαμόρφωση (%1): το πρόγραμμα τερματίζει χωρίς να την τροποποιήσει.</translation>
    </message>
    <message>
        <source>Il file non contiene impostazioni dell&apos;installazione: niente ripristinato.</source>
        <translation>Το αρχείο δεν περιέχει ρυθμίσεις εγκατάστασης: δεν έγινε επαναφορά.</translation>
    </message>
    <message>
        <source>Le impostazioni del file sono già quelle in uso: niente da ripristinare.</source>
        <translation>Οι ρυθμίσεις του αρχείου είναι ήδη αυτές που ισχύουν: τίποτα για επαναφορά.</translation>
    </message>
    <message>
        <source>Impostazioni che il ripristino cambia: %1. Procedere?</source>
        <translation>Ρυθμίσεις που αλλάζει η επαναφορά: %1. Συνέχεια;</translation>
    </message>
    <message>
        <source>Programma di aggiornamento non installato: %1</source>
        <translation>Το πρόγραμμα ενημέρωσης δεν είναι εγκατεστημένο: %1</translation>
    </message>
    <message>
        <source>%1 - Macchina %2</source>
        <translation>%1 - Μηχάνημα %2</translation>
    </message>
</context>
<context>
    <name>ProgramMessages</name>
    <message>
        <source> Caricamento Programma </source>
        <translation> Φόρτωση προγράμματος </translation>
    </message>
    <message>
        <source> Cancella Programma </source>
        <translation> Διαγραφή προγράμματος </translation>
    </message>
    <message>
        <source>La centralina è spenta, accenderla per favore!</source>
        <translation>Ο ελεγκτής είναι σβηστός: παρακαλώ ενεργοποιήστε τον!</translation>
    </message>
    <message>
        <source>Il programma %1 non può essere caricato: il codice deve essere un numero da 1 a 98.</source>
        <translation>Το πρόγραμμα %1 δεν μπορεί να φορτωθεί: ο κωδικός πρέπει να είναι αριθμός από 1 έως 98.</translation>
    </message>
    <message>
        <source>Il programma è quello corrente; non è possibile cancellarlo!</source>
        <translation>Είναι το τρέχον πρόγραμμα· δεν μπορεί να διαγραφεί!</translation>
    </message>
    <message>
        <source>Tutti i codici da 01 a 98 sono già usati: cancellare un programma.</source>
        <translation>Όλοι οι κωδικοί από 01 έως 98 χρησιμοποιούνται: διαγράψτε ένα πρόγραμμα.</translation>
    </message>
    <message>
        <source>Il programma %1 non è in archivio.</source>
        <translation>Το πρόγραμμα %1 δεν υπάρχει στο αρχείο.</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TListaBolla</name>
    <message>
        <source>Lista Bolle</source>
        <translation>Λίστα δελτίων</translation>
    </message>
    <message>
        <source>Selezionare la Bolla</source>
        <translation>Επιλέξτε το δελτίο</translation>
    </message>
    <message>
        <source>Numero  Bolle</source>
        <translation>Αριθμός δελτίων</translation>
    </message>
    <message>
        <source>Partita</source>
        <translation>Παρτίδα</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Απόρριψη</translation>
    </message>
    <message>
        <source>&lt;nuovo produttore&gt;</source>
        <translation>&lt;νέος παραγωγός&gt;</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TListaProduttori</name>
    <message>
        <source>Lista Produttori</source>
        <translation>Λίστα παραγωγών</translation>
    </message>
    <message>
        <source>Selezionare il produttore</source>
        <translation>Επιλέξτε τον παραγωγό</translation>
    </message>
    <message>
        <source>Numero  Produttori</source>
        <translation>Αριθμός παραγωγών</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TModDati</name>
    <message>
        <source>Bolla ritiro N:</source>
        <translation>Δελτίο παραλαβής αρ.:</translation>
    </message>
    <message>
        <source>Codice :</source>
        <translation>Κωδικός:</translation>
    </message>
    <message>
        <source>Descrizione :</source>
        <translation>Περιγραφή:</translation>
    </message>
    <message>
        <source>Note :</source>
        <translation>Σημειώσεις:</translation>
    </message>
    <message>
        <source>Totale Partita kg:</source>
        <translation>Σύνολο παρτίδας kg:</translation>
    </message>
    <message>
        <source>Lotto N:</source>
        <translation>Παρτίδα αρ.:</translation>
    </message>
    <message>
        <source>N Casse:</source>
        <translation>Αρ. κιβωτίων:</translation>
    </message>
    <message>
        <source>N Pedane:</source>
        <translation>Αρ. παλετών:</translation>
    </message>
    <message>
        <source>Operatore:</source>
        <translation>Χειριστής:</translation>
    </message>
    <message>
        <source>Dati Bolla</source>
        <translation>Στοιχεία δελτίου</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Παραγωγός</translation>
    </message>
    <message>
        <source>Cambia</source>
        <translation>Αλλαγή</translation>
    </message>
    <message>
        <source>Forza Data </source>
        <translation>Επιβολή ημερομηνίας </translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Αποθήκευση</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TNewBolla</name>
    <message>
        <source>Ripartizione Calibri</source>
        <translation>Κατανομή ανά μέγεθος</translation>
    </message>
    <message>
        <source>Nuova Bolla</source>
        <translation>Νέο δελτίο</translation>
    </message>
    <message>
        <source>Qualita %1</source>
        <translation>Ποιότητα %1</translation>
    </message>
    <message>
        <source>Partita</source>
        <translation>Παρτίδα</translation>
    </message>
    <message>
        <source>Cambia</source>
        <translation>Αλλαγή</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Αποθήκευση</translation>
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
        <translation>Σύνολο μεγέθους %1, ποιότητα %2</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Απόρριψη</translation>
    </message>
    <message>
        <source>Tot Partita</source>
        <translation>Σύνολο παρτίδας</translation>
    </message>
    <message>
        <source>num. Casse</source>
        <translation>αρ. κιβωτίων</translation>
    </message>
    <message>
        <source>num. Pedane</source>
        <translation>αρ. παλετών</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Μέγεθος</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Βάρος</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Σύνολο</translation>
    </message>
    <message>
        <source>Percentuale</source>
        <translation>Ποσοστό</translation>
    </message>
    <message>
        <source>Qualita 1</source>
        <translation>Ποιότητα 1</translation>
    </message>
    <message>
        <source>Qualita 2</source>
        <translation>Ποιότητα 2</translation>
    </message>
    <message>
        <source>Qualita 3</source>
        <translation>Ποιότητα 3</translation>
    </message>
    <message>
        <source>Qualita 4</source>
        <translation>Ποιότητα 4</translation>
    </message>
    <message>
        <source>TOTALE</source>
        <translation>ΣΥΝΟΛΟ</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Πρόγραμμα</translation>
    </message>
    <message>
        <source>Bolla</source>
        <translation>Δελτίο</translation>
    </message>
    <message>
        <source>Numero</source>
        <translation>Αριθμός</translation>
    </message>
    <message>
        <source>Lotto</source>
        <translation>Παρτίδα</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Παραγωγός</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Σημειώσεις</translation>
    </message>
    <message>
        <source>Codice a Barre</source>
        <translation>Γραμμωτός κώδικας</translation>
    </message>
    <message>
        <source>Operatore</source>
        <translation>Χειριστής</translation>
    </message>
    <message>
        <source>Ricalcolo</source>
        <translation>Επανυπολογισμός</translation>
    </message>
    <message>
        <source>Valore: %1   (%2 al Kg)   listino dal %3</source>
        <translation>Αξία: %1   (%2 ανά Kg)   τιμοκατάλογος από %3</translation>
    </message>
    <message>
        <source>Q%1 C%2</source>
        <translation>Π%1 Κ%2</translation>
    </message>
    <message>
        <source>Senza prezzo: %1</source>
        <translation>Χωρίς τιμή: %1</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TProduttori</name>
    <message>
        <source>Dato Produttore</source>
        <translation>Στοιχεία παραγωγού</translation>
    </message>
    <message>
        <source>codice produttore</source>
        <translation>κωδικός παραγωγού</translation>
    </message>
    <message>
        <source>descrizione produttore</source>
        <translation>περιγραφή παραγωγού</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Αποθήκευση</translation>
    </message>
</context>
<context>
    <name>kv7::batches::Texpfiltdata</name>
    <message>
        <source>Esporta Bolle con filtro per DATA</source>
        <translation>Εξαγωγή δελτίων με φίλτρο ΗΜΕΡΟΜΗΝΙΑΣ</translation>
    </message>
    <message>
        <source>Data inizio</source>
        <translation>Ημερομηνία έναρξης</translation>
    </message>
    <message>
        <source>Data Fine</source>
        <translation>Ημερομηνία λήξης</translation>
    </message>
    <message>
        <source>Nomi campi</source>
        <translation>Ονόματα πεδίων</translation>
    </message>
    <message>
        <source>ESPORTA</source>
        <translation>ΕΞΑΓΩΓΗ</translation>
    </message>
</context>
<context>
    <name>kv7::installation::TInstallazione</name>
    <message>
        <source>variabile</source>
        <translation>μεταβλητή</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>60% /3 Passi</source>
        <translation>60% /3 βήματα</translation>
    </message>
    <message>
        <source>100% /3 Passi</source>
        <translation>100% /3 βήματα</translation>
    </message>
    <message>
        <source>TARA/LINEA</source>
        <translation>ΑΠΟΒΑΡΟ/ΓΡΑΜΜΗ</translation>
    </message>
    <message>
        <source>TARA/TAZZA</source>
        <translation>ΑΠΟΒΑΡΟ/ΚΥΠΕΛΛΟ</translation>
    </message>
    <message>
        <source>TARA INC.(1gr)</source>
        <translation>ΑΠΟΒ. ΒΗΜ.(1gr)</translation>
    </message>
    <message>
        <source>TARA INC.(2gr)</source>
        <translation>ΑΠΟΒ. ΒΗΜ.(2gr)</translation>
    </message>
    <message>
        <source>TARA INC.(3gr)</source>
        <translation>ΑΠΟΒ. ΒΗΜ.(3gr)</translation>
    </message>
    <message>
        <source>TARA INC.(4gr)</source>
        <translation>ΑΠΟΒ. ΒΗΜ.(4gr)</translation>
    </message>
    <message>
        <source>TARA INC.(5gr)</source>
        <translation>ΑΠΟΒ. ΒΗΜ.(5gr)</translation>
    </message>
    <message>
        <source>TARA INC.(6gr)</source>
        <translation>ΑΠΟΒ. ΒΗΜ.(6gr)</translation>
    </message>
    <message>
        <source>Seriale Centralina</source>
        <translation>Σειριακή κεντρικής μονάδας</translation>
    </message>
    <message>
        <source>Seriale S. Barcode</source>
        <translation>Σειριακή αναγνώστη barcode</translation>
    </message>
    <message>
        <source>Seriale S. Scarti</source>
        <translation>Σειριακή σταθμού απορριμμάτων</translation>
    </message>
    <message>
        <source>Abilita</source>
        <translation>Ενεργοποίηση</translation>
    </message>
    <message>
        <source>Seriali</source>
        <translation>Σειριακές θύρες</translation>
    </message>
    <message>
        <source>Numero linee</source>
        <translation>Αριθμός γραμμών</translation>
    </message>
    <message>
        <source>Numero Uscite</source>
        <translation>Αριθμός εξόδων</translation>
    </message>
    <message>
        <source>Numero Tazze/L.</source>
        <translation>Αριθμός κυπέλλων/Γ.</translation>
    </message>
    <message>
        <source>Tipo attiv. Magn.</source>
        <translation>Τύπος ενεργ. μαγνητών</translation>
    </message>
    <message>
        <source>Durata Att.</source>
        <translation>Διάρκεια ενεργ.</translation>
    </message>
    <message>
        <source>Apertura Magneti</source>
        <translation>Άνοιγμα μαγνητών</translation>
    </message>
    <message>
        <source>Fase Zero Encoder</source>
        <translation>Φάση μηδέν encoder</translation>
    </message>
    <message>
        <source>verso rotazione encoder</source>
        <translation>φορά περιστροφής encoder</translation>
    </message>
    <message>
        <source>Macchina</source>
        <translation>Μηχάνημα</translation>
    </message>
    <message>
        <source>Lettura I/F</source>
        <translation>Ανάγνωση Α/Τ</translation>
    </message>
    <message>
        <source>K-peso</source>
        <translation>K-βάρος</translation>
    </message>
    <message>
        <source>Qualita linee</source>
        <translation>Ποιότητα γραμμών</translation>
    </message>
    <message>
        <source>Rit. Tara</source>
        <translation>Καθυστ. απόβαρου</translation>
    </message>
    <message>
        <source>Tipo Tara</source>
        <translation>Τύπος απόβαρου</translation>
    </message>
    <message>
        <source>Dist. FC</source>
        <translation>Απόστ. FC</translation>
    </message>
    <message>
        <source>Durata FC</source>
        <translation>Διάρκεια FC</translation>
    </message>
    <message>
        <source>ritardo FC</source>
        <translation>καθυστέρηση FC</translation>
    </message>
    <message>
        <source>Tara e fine campione</source>
        <translation>Απόβαρο και τέλος δείγματος</translation>
    </message>
    <message>
        <source>Installazione</source>
        <translation>Εγκατάσταση</translation>
    </message>
    <message>
        <source>Linea %1</source>
        <translation>Γραμμή %1</translation>
    </message>
    <message>
        <source>Qualità%1</source>
        <translation>Ποιότητα%1</translation>
    </message>
    <message>
        <source>non abilitata</source>
        <translation>μη ενεργή</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Εκτύπωση</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <source>◄ sinistra</source>
        <translation>◄ αριστερά</translation>
    </message>
    <message>
        <source>destra ►</source>
        <translation>δεξιά ►</translation>
    </message>
    <message>
        <source>Il campo &quot;%1&quot; deve contenere un numero intero.</source>
        <translation>Το πεδίο «%1» πρέπει να περιέχει ακέραιο αριθμό.</translation>
    </message>
    <message>
        <source>Il campo &quot;%1&quot; deve contenere un numero da 0 a %2: la centralina non ne riceve altri.</source>
        <translation>Το πεδίο «%1» πρέπει να περιέχει αριθμό από 0 έως %2: ο ελεγκτής δεν δέχεται άλλους.</translation>
    </message>
    <message>
        <source>Distanza Uscite</source>
        <translation>Απόσταση εξόδων</translation>
    </message>
    <message>
        <source>Nuova password servizio</source>
        <translation>Νέος κωδικός υπηρεσίας</translation>
    </message>
    <message>
        <source>Ripeti</source>
        <translation>Επανάληψη</translation>
    </message>
    <message>
        <source>Nuova password azzeramenti</source>
        <translation>Νέος κωδικός μηδενισμού</translation>
    </message>
    <message>
        <source>Password (vuote: restano quelle in uso)</source>
        <translation>Κωδικοί (κενοί: παραμένουν οι τρέχοντες)</translation>
    </message>
    <message>
        <source>La nuova password non è stata scritta uguale due volte.</source>
        <translation>Ο νέος κωδικός δεν γράφτηκε ίδιος δύο φορές.</translation>
    </message>
    <message>
        <source>Numero Macchina</source>
        <translation>Αριθμός μηχανήματος</translation>
    </message>
</context>
<context>
    <name>kv7::installation::Tpasswd</name>
    <message>
        <source>Password Accesso Servizio</source>
        <translation>Κωδικός πρόσβασης σέρβις</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Κωδικός</translation>
    </message>
    <message>
        <source>Entra</source>
        <translation>Είσοδος</translation>
    </message>
</context>
<context>
    <name>kv7::prices::TListino</name>
    <message>
        <source>Listino prezzi</source>
        <translation>Τιμοκατάλογος</translation>
    </message>
    <message>
        <source>Valido dal</source>
        <translation>Ισχύει από</translation>
    </message>
    <message>
        <source>Listini</source>
        <translation>Τιμοκατάλογοι</translation>
    </message>
    <message>
        <source>Prezzo Scarto (Q5)</source>
        <translation>Τιμή Απορρίψεων (Q5)</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Qualita %1</source>
        <translation>Ποιότητα %1</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Διαμέτρημα</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Βάρος</translation>
    </message>
    <message>
        <source>Prezzo al Kg</source>
        <translation>Τιμή ανά Kg</translation>
    </message>
    <message>
        <source>Programma %1  %2</source>
        <translation>Πρόγραμμα %1  %2</translation>
    </message>
    <message>
        <source>Prezzo non valido: %1</source>
        <translation>Μη έγκυρη τιμή: %1</translation>
    </message>
</context>
<context>
    <name>kv7::programs::TListaProgrammi</name>
    <message>
        <source>Lista Programmi</source>
        <translation>Λίστα προγραμμάτων</translation>
    </message>
    <message>
        <source>Selezionare il programma</source>
        <translation>Επιλέξτε το πρόγραμμα</translation>
    </message>
    <message>
        <source>Numero  Programmi</source>
        <translation>Αριθμός προγραμμάτων</translation>
    </message>
</context>
<context>
    <name>kv7::programs::TNewProgram</name>
    <message>
        <source>Programma</source>
        <translation>Πρόγραμμα</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Περιγραφή</translation>
    </message>
    <message>
        <source>Codice</source>
        <translation>Κωδικός</translation>
    </message>
    <message>
        <source>Pesi Qualita %1</source>
        <translation>Βάρη ποιότητας %1</translation>
    </message>
    <message>
        <source>Codice SQL Q5</source>
        <translation>Κωδικός SQL Q5</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Μέγεθος</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Βάρος</translation>
    </message>
    <message>
        <source>Codice SQL</source>
        <translation>Κωδικός SQL</translation>
    </message>
    <message>
        <source>Modifica programma N. </source>
        <translation>Τροποποίηση προγράμματος αρ. </translation>
    </message>
    <message>
        <source>il campo codice programma deve essere un numero di max 2 cifre!</source>
        <translation>ο κωδικός προγράμματος πρέπει να είναι αριθμός έως 2 ψηφίων!</translation>
    </message>
    <message>
        <source>Qualita %1, calibro %2: il peso %3 deve essere un numero intero; il programma non è stato salvato.</source>
        <translation>Ποιότητα %1, μέγεθος %2: το βάρος %3 πρέπει να είναι ακέραιος· το πρόγραμμα δεν αποθηκεύτηκε.</translation>
    </message>
    <message>
        <source>massimo</source>
        <translation>μέγιστο</translation>
    </message>
    <message>
        <source>minimo</source>
        <translation>ελάχιστο</translation>
    </message>
    <message>
        <source>Il codice programma deve essere un numero da 1 a 98: la centralina non carica programmi con altri numeri. Il programma non è stato salvato.</source>
        <translation>Ο κωδικός προγράμματος πρέπει να είναι αριθμός από 1 έως 98: ο ελεγκτής δεν φορτώνει προγράμματα με άλλους αριθμούς. Το πρόγραμμα δεν αποθηκεύτηκε.</translation>
    </message>
</context>
<context>
    <name>kv7::programs::TParProg</name>
    <message>
        <source>Parametri  Programma</source>
        <translation>Παράμετροι προγράμματος</translation>
    </message>
    <message>
        <source>Archiviazione</source>
        <translation>Αρχειοθέτηση</translation>
    </message>
    <message>
        <source>Stampa Bolla</source>
        <translation>Εκτύπωση δελτίου</translation>
    </message>
    <message>
        <source>Trasmis. al remoto</source>
        <translation>Αποστολή σε απομακρυσμένο</translation>
    </message>
    <message>
        <source>Stampa grammature</source>
        <translation>Εκτύπωση βαθμίδων βάρους</translation>
    </message>
    <message>
        <source>Fine Partita Autom.</source>
        <translation>Αυτόμ. τέλος παρτίδας</translation>
    </message>
    <message>
        <source>grammi</source>
        <translation>γραμμάρια</translation>
    </message>
    <message>
        <source>Kilogrammi</source>
        <translation>Κιλά</translation>
    </message>
    <message>
        <source>Totali espressi in</source>
        <translation>Σύνολα σε</translation>
    </message>
    <message>
        <source>Numero Copie Bolle</source>
        <translation>Αριθμός αντιγράφων δελτίου</translation>
    </message>
    <message>
        <source>Sfoglia..</source>
        <translation>Αναζήτηση..</translation>
    </message>
    <message>
        <source>Directory esp-AS400</source>
        <translation>Φάκελος εξαγωγής AS400</translation>
    </message>
    <message>
        <source>Auto Rinfresco Totali</source>
        <translation>Αυτόματη ανανέωση συνόλων</translation>
    </message>
    <message>
        <source>Avviso limite Percentuale raggiunta</source>
        <translation>Ειδοποίηση ορίου ποσοστού</translation>
    </message>
    <message>
        <source>Limite Perc. Q%1</source>
        <translation>Όριο ποσ. Π%1</translation>
    </message>
    <message>
        <source>Font Stampe</source>
        <translation>Γραμματοσειρά εκτύπωσης</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <source>Copia PDF della bolla</source>
        <translation>Αντίγραφο PDF του δελτίου</translation>
    </message>
</context>
<context>
    <name>kv7::reports::PagePainter</name>
    <message>
        <source> Stampa Programma </source>
        <translation> Εκτύπωση Προγράμματος </translation>
    </message>
    <message>
        <source>LAVORAZIONE</source>
        <translation>ΕΠΕΞΕΡΓΑΣΙΑ</translation>
    </message>
    <message>
        <source>STAMPA BOLLA</source>
        <translation>ΕΚΤΥΠΩΣΗ ΔΕΛΤΙΟΥ</translation>
    </message>
    <message>
        <source>Prima Qualita</source>
        <translation>Πρώτη Ποιότητα</translation>
    </message>
    <message>
        <source>Qualita 2</source>
        <translation>Ποιότητα 2</translation>
    </message>
    <message>
        <source>Qualita 3</source>
        <translation>Ποιότητα 3</translation>
    </message>
    <message>
        <source>Qualita 4</source>
        <translation>Ποιότητα 4</translation>
    </message>
    <message>
        <source>Data Bolla: </source>
        <translation>Ημερομηνία Δελτίου: </translation>
    </message>
    <message>
        <source>Numero Bolla: </source>
        <translation>Αριθμός Δελτίου: </translation>
    </message>
    <message>
        <source>Numero Registrazione: </source>
        <translation>Αριθμός Καταχώρισης: </translation>
    </message>
    <message>
        <source>Lotto Bolla: </source>
        <translation>Παρτίδα Δελτίου: </translation>
    </message>
    <message>
        <source>Numero Programma:</source>
        <translation>Αριθμός Προγράμματος:</translation>
    </message>
    <message>
        <source>Operatore: </source>
        <translation>Χειριστής: </translation>
    </message>
    <message>
        <source>Descrizione:</source>
        <translation>Περιγραφή:</translation>
    </message>
    <message>
        <source>Cod. produttore: </source>
        <translation>Κωδ. παραγωγού: </translation>
    </message>
    <message>
        <source>Descrizione: </source>
        <translation>Περιγραφή: </translation>
    </message>
    <message>
        <source>calibro</source>
        <translation>διαμέτρημα</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Βάρος</translation>
    </message>
    <message>
        <source>Totali</source>
        <translation>Σύνολα</translation>
    </message>
    <message>
        <source>Perc.</source>
        <translation>Ποσ.</translation>
    </message>
    <message>
        <source>Tot.PrimaQ</source>
        <translation>Σύν.ΠρώτηΠ</translation>
    </message>
    <message>
        <source>Tot.Q2</source>
        <translation>Σύν.Π2</translation>
    </message>
    <message>
        <source>Tot.Q5(Scarto)</source>
        <translation>Σύν.Π5(Απόρριψη)</translation>
    </message>
    <message>
        <source>Tot.Q3</source>
        <translation>Σύν.Π3</translation>
    </message>
    <message>
        <source>Tot.Q4</source>
        <translation>Σύν.Π4</translation>
    </message>
    <message>
        <source>Tot. Generale</source>
        <translation>Γενικό Σύνολο</translation>
    </message>
    <message>
        <source>n. Casse:</source>
        <translation>αρ. Κιβωτίων:</translation>
    </message>
    <message>
        <source>n. Pedane:</source>
        <translation>αρ. Παλετών:</translation>
    </message>
    <message>
        <source>note:</source>
        <translation>σημειώσεις:</translation>
    </message>
    <message>
        <source>STAMPA PROGRAMMA</source>
        <translation>ΕΚΤΥΠΩΣΗ ΠΡΟΓΡΑΜΜΑΤΟΣ</translation>
    </message>
    <message>
        <source>Qualita %1</source>
        <translation>Ποιότητα %1</translation>
    </message>
    <message>
        <source>STAMPA INSTALLAZIONE</source>
        <translation>ΕΚΤΥΠΩΣΗ ΕΓΚΑΤΑΣΤΑΣΗΣ</translation>
    </message>
    <message>
        <source>Data: </source>
        <translation>Ημερομηνία: </translation>
    </message>
    <message>
        <source>Numero linee: </source>
        <translation>Αριθμός γραμμών: </translation>
    </message>
    <message>
        <source>Numero tazze: </source>
        <translation>Αριθμός κυπέλλων: </translation>
    </message>
    <message>
        <source>Ritardo Tara:</source>
        <translation>Καθυστέρηση Απόβαρου:</translation>
    </message>
    <message>
        <source>Tipo Tara:</source>
        <translation>Τύπος Απόβαρου:</translation>
    </message>
    <message>
        <source>dir encoder:</source>
        <translation>κατ. κωδικοποιητή:</translation>
    </message>
    <message>
        <source>zero encoder:</source>
        <translation>μηδέν κωδικοποιητή:</translation>
    </message>
    <message>
        <source>Linea %1</source>
        <translation>Γραμμή %1</translation>
    </message>
    <message>
        <source>ini: </source>
        <translation>αρχ: </translation>
    </message>
    <message>
        <source>fine: </source>
        <translation>τέλ: </translation>
    </message>
    <message>
        <source>kappa:</source>
        <translation>κάππα:</translation>
    </message>
    <message>
        <source>Qual: </source>
        <translation>Ποιότ: </translation>
    </message>
    <message>
        <source>Codice</source>
        <translation>Κωδικός</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Περιγραφή</translation>
    </message>
    <message>
        <source>STAMPA PRODUTTORI</source>
        <translation>ΕΚΤΥΠΩΣΗ ΠΑΡΑΓΩΓΩΝ</translation>
    </message>
    <message>
        <source>Costo al Kg.</source>
        <translation>Κόστος ανά Kg.</translation>
    </message>
    <message>
        <source>L. %1   %2</source>
        <translation>L. %1   %2</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Πρόγραμμα</translation>
    </message>
    <message>
        <source>Macchina</source>
        <translation>Μηχανή</translation>
    </message>
    <message>
        <source>Settimana</source>
        <translation>Εβδομάδα</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Παραγωγός</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <source>Bolle</source>
        <translation>Δελτία</translation>
    </message>
    <message>
        <source>Valore:</source>
        <translation>Αξία:</translation>
    </message>
    <message>
        <source>%1   (%2 al Kg)</source>
        <translation>%1   (%2 ανά Kg)</translation>
    </message>
    <message>
        <source>Listino dal %1</source>
        <translation>Τιμοκατάλογος από %1</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Απορρίψεις</translation>
    </message>
    <message>
        <source>Q%1 C%2</source>
        <translation>Π%1 Κ%2</translation>
    </message>
    <message>
        <source>Senza prezzo: %1</source>
        <translation>Χωρίς τιμή: %1</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Ημερομηνία</translation>
    </message>
    <message>
        <source>Num.</source>
        <translation>Αρ.</translation>
    </message>
    <message>
        <source>Bolla</source>
        <translation>Δελτίο</translation>
    </message>
    <message>
        <source>Kg dich.</source>
        <translation>Kg δηλ.</translation>
    </message>
    <message>
        <source>Kg camp.</source>
        <translation>Kg δείγμ.</translation>
    </message>
    <message>
        <source>Q1 %</source>
        <translation>Π1 %</translation>
    </message>
    <message>
        <source>Q2 %</source>
        <translation>Π2 %</translation>
    </message>
    <message>
        <source>Q3 %</source>
        <translation>Π3 %</translation>
    </message>
    <message>
        <source>Q4 %</source>
        <translation>Π4 %</translation>
    </message>
    <message>
        <source>Scarto %</source>
        <translation>Απόρριψη %</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Αξία</translation>
    </message>
    <message>
        <source>Valore/Kg</source>
        <translation>Αξία/Kg</translation>
    </message>
    <message>
        <source>STATISTICHE</source>
        <translation>ΣΤΑΤΙΣΤΙΚΑ</translation>
    </message>
    <message>
        <source>ESTRATTO CONTO STAGIONE</source>
        <translation>ΚΑΤΑΣΤΑΣΗ ΣΕΖΟΝ</translation>
    </message>
    <message>
        <source>Periodo: %1 - %2</source>
        <translation>Περίοδος: %1 - %2</translation>
    </message>
    <message>
        <source>Produttore: %1</source>
        <translation>Παραγωγός: %1</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Σύνολο</translation>
    </message>
    <message>
        <source>%1 al Kg</source>
        <translation>%1 ανά Kg</translation>
    </message>
    <message>
        <source>Macchina %1</source>
        <translation>Μηχανή %1</translation>
    </message>
    <message>
        <source>modificata il %1</source>
        <translation>τροποποιήθηκε στις %1</translation>
    </message>
</context>
<context>
    <name>kv7::reports::TEstrattoConto</name>
    <message>
        <source>Estratto conto stagione</source>
        <translation>Κατάσταση σεζόν</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Παραγωγός</translation>
    </message>
    <message>
        <source>Dal</source>
        <translation>Από</translation>
    </message>
    <message>
        <source>Al</source>
        <translation>Έως</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Εκτύπωση</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Άκυρο</translation>
    </message>
</context>
<context>
    <name>kv7::reports::TImpAzienda</name>
    <message>
        <source>Impostazione Azienda</source>
        <translation>Ρυθμίσεις Εταιρείας</translation>
    </message>
    <message>
        <source>&amp;Intestazione (4 righe):</source>
        <translation>&amp;Επικεφαλίδα (4 γραμμές):</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Αποθήκευση</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Ακύρωση</translation>
    </message>
</context>
<context>
    <name>kv7::reports::TImpCosti</name>
    <message>
        <source>Impostazione Costi</source>
        <translation>Ρύθμιση κόστους</translation>
    </message>
    <message>
        <source>Persone</source>
        <translation>Άτομα</translation>
    </message>
    <message>
        <source>Costo orario</source>
        <translation>Ωριαίο κόστος</translation>
    </message>
    <message>
        <source>Categoria %1</source>
        <translation>Κατηγορία %1</translation>
    </message>
    <message>
        <source>Costo orario complessivo</source>
        <translation>Συνολικό ωριαίο κόστος</translation>
    </message>
    <message>
        <source>Costo / Minuto</source>
        <translation>Κόστος / Λεπτό</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Αποθήκευση</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Ακύρωση</translation>
    </message>
    <message>
        <source>I valori della categoria %1 sono fuori misura</source>
        <translation>Οι τιμές της κατηγορίας %1 είναι εκτός ορίων</translation>
    </message>
</context>
<context>
    <name>kv7::reports::TPrint_boll</name>
    <message>
        <source>stampa programma</source>
        <translation>εκτύπωση προγράμματος</translation>
    </message>
    <message>
        <source>stampa installazione</source>
        <translation>εκτύπωση εγκατάστασης</translation>
    </message>
    <message>
        <source>stampa produttori</source>
        <translation>εκτύπωση παραγωγών</translation>
    </message>
    <message>
        <source>stampa bolla</source>
        <translation>εκτύπωση δελτίου</translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation>&amp;Εκτύπωση</translation>
    </message>
    <message>
        <source>Salva &amp;PDF</source>
        <translation>Αποθήκευση &amp;PDF</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Κλείσιμο</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Αποθήκευση PDF</translation>
    </message>
    <message>
        <source>File PDF non scritto: %1</source>
        <translation>Το αρχείο PDF δεν γράφτηκε: %1</translation>
    </message>
    <message>
        <source>stampa statistiche</source>
        <translation>εκτύπωση στατιστικών</translation>
    </message>
    <message>
        <source>estratto conto stagione</source>
        <translation>κατάσταση σεζόν</translation>
    </message>
</context>
<context>
    <name>kv7::service::ServiceDialog</name>
    <message>
        <source>L %1</source>
        <translation>Γ %1</translation>
    </message>
</context>
<context>
    <name>kv7::service::TCalibrazione_Linee</name>
    <message>
        <source>Calibrazione Linee</source>
        <translation>Βαθμονόμηση γραμμών</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <source>Procedura Automatica</source>
        <translation>Αυτόματη διαδικασία</translation>
    </message>
    <message>
        <source>Inizia</source>
        <translation>Έναρξη</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Τέλος</translation>
    </message>
    <message>
        <source>Peso Campione</source>
        <translation>Βάρος δείγματος</translation>
    </message>
    <message>
        <source>Procedura Manuale</source>
        <translation>Χειροκίνητη διαδικασία</translation>
    </message>
    <message>
        <source>Linea</source>
        <translation>Γραμμή</translation>
    </message>
    <message>
        <source>- N° -</source>
        <translation>- Αρ. -</translation>
    </message>
    <message>
        <source>- KAPPA -</source>
        <translation>- KAPPA -</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Βάρος</translation>
    </message>
    <message>
        <source>Correzione errori</source>
        <translation>Διόρθωση σφαλμάτων</translation>
    </message>
    <message>
        <source>Sovrapeso</source>
        <translation>Υπέρβαρο</translation>
    </message>
    <message>
        <source>Sottopeso</source>
        <translation>Λιποβαρές</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestCelle</name>
    <message>
        <source>Test Celle</source>
        <translation>Έλεγχος κυψελών</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestEncoder</name>
    <message>
        <source>Test Encoder</source>
        <translation>Έλεγχος κωδικοποιητή</translation>
    </message>
    <message>
        <source>N. Giro</source>
        <translation>Αρ. στροφής</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Τιμή</translation>
    </message>
    <message>
        <source>Ultimo Errore</source>
        <translation>Τελευταίο σφάλμα</translation>
    </message>
    <message>
        <source>Penultimo Errore</source>
        <translation>Προτελευταίο σφάλμα</translation>
    </message>
    <message>
        <source>Terzultimo Errore</source>
        <translation>Τρίτο από το τέλος σφάλμα</translation>
    </message>
    <message>
        <source>Quartultimo Errore</source>
        <translation>Τέταρτο από το τέλος σφάλμα</translation>
    </message>
    <message>
        <source>Quintultimo Errore</source>
        <translation>Πέμπτο από το τέλος σφάλμα</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestMagneti</name>
    <message>
        <source>Test Magneti</source>
        <translation>Έλεγχος μαγνητών</translation>
    </message>
    <message>
        <source>Test Dinamico</source>
        <translation>Δυναμικός έλεγχος</translation>
    </message>
    <message>
        <source>Test Statico</source>
        <translation>Στατικός έλεγχος</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Έναρξη</translation>
    </message>
    <message>
        <source>Uscita N.</source>
        <translation>Έξοδος αρ.</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestMem</name>
    <message>
        <source>TEST NETTO MEMORIZZATO</source>
        <translation>ΕΛΕΓΧΟΣ ΑΠΟΘΗΚΕΥΜΕΝΟΥ ΚΑΘΑΡΟΥ</translation>
    </message>
    <message>
        <source>N. TAZZA</source>
        <translation>ΑΡ. ΚΥΠΕΛΛΟΥ</translation>
    </message>
    <message>
        <source>TARA</source>
        <translation>ΑΠΟΒΑΡΟ</translation>
    </message>
    <message>
        <source>NETTO</source>
        <translation>ΚΑΘΑΡΟ</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestOscilloscopio</name>
    <message>
        <source>Funzione Oscilloscopio</source>
        <translation>Λειτουργία παλμογράφου</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Μεγέθυνση</translation>
    </message>
    <message>
        <source>Globale</source>
        <translation>Συνολικά</translation>
    </message>
    <message>
        <source>Cattura</source>
        <translation>Λήψη</translation>
    </message>
    <message>
        <source>Linea in esame</source>
        <translation>Γραμμή υπό έλεγχο</translation>
    </message>
    <message>
        <source>Soglia lnnesco</source>
        <translation>Κατώφλι σκανδαλισμού</translation>
    </message>
    <message>
        <source>Tazza</source>
        <translation>Κύπελλο</translation>
    </message>
    <message>
        <source>minimo</source>
        <translation>ελάχιστο</translation>
    </message>
    <message>
        <source>massimo</source>
        <translation>μέγιστο</translation>
    </message>
    <message>
        <source>Lordo Assoluto</source>
        <translation>Απόλυτο μικτό</translation>
    </message>
    <message>
        <source>Salva su File</source>
        <translation>Αποθήκευση σε αρχείο</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Έναρξη</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Τέλος</translation>
    </message>
    <message>
        <source>Regolazione Fase</source>
        <translation>Ρύθμιση φάσης</translation>
    </message>
    <message>
        <source>Fase Zero</source>
        <translation>Μηδενική φάση</translation>
    </message>
    <message>
        <source>Aggiorna</source>
        <translation>Ενημέρωση</translation>
    </message>
    <message>
        <source>Ferma</source>
        <translation>Διακοπή</translation>
    </message>
    <message>
        <source>cattura</source>
        <translation>λήψη</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestTazzeVuote</name>
    <message>
        <source>Test Tazze Vuote</source>
        <translation>Έλεγχος κενών κυπέλλων</translation>
    </message>
    <message>
        <source>Numero Tazza</source>
        <translation>Αριθμός κυπέλλου</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Τιμή</translation>
    </message>
    <message>
        <source>Limite +/-</source>
        <translation>Όριο +/-</translation>
    </message>
    <message>
        <source>gr</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Έναρξη</translation>
    </message>
</context>
<context>
    <name>kv7::service::Ttabtara</name>
    <message>
        <source>TABELLA TARA</source>
        <translation>ΠΙΝΑΚΑΣ ΑΠΟΒΑΡΟΥ</translation>
    </message>
    <message>
        <source>Rinfresca</source>
        <translation>Ανανέωση</translation>
    </message>
    <message>
        <source>N.</source>
        <translation>Α/Α</translation>
    </message>
</context>
<context>
    <name>kv7::stats::TStatistiche</name>
    <message>
        <source>Qualita 1</source>
        <translation>Ποιότητα 1</translation>
    </message>
    <message>
        <source>Qualita 2</source>
        <translation>Ποιότητα 2</translation>
    </message>
    <message>
        <source>Qualita 3</source>
        <translation>Ποιότητα 3</translation>
    </message>
    <message>
        <source>Qualita 4</source>
        <translation>Ποιότητα 4</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Απόρριψη</translation>
    </message>
    <message>
        <source>Nessuna bolla nel periodo</source>
        <translation>Κανένα δελτίο στην περίοδο</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Σύνολο</translation>
    </message>
    <message>
        <source>Calibri: %1</source>
        <translation>Διαβαθμίσεις: %1</translation>
    </message>
    <message>
        <source>Andamento settimanale: scegliere un produttore</source>
        <translation>Εβδομαδιαία πορεία: επιλέξτε παραγωγό</translation>
    </message>
    <message>
        <source>Andamento settimanale: %1</source>
        <translation>Εβδομαδιαία πορεία: %1</translation>
    </message>
    <message>
        <source>Archivio non disponibile</source>
        <translation>Το αρχείο δεν είναι διαθέσιμο</translation>
    </message>
    <message>
        <source>File CSV non scritto: %1</source>
        <translation>Το αρχείο CSV δεν γράφτηκε: %1</translation>
    </message>
    <message>
        <source>Scritto %1</source>
        <translation>Γράφτηκε %1</translation>
    </message>
    <message>
        <source>Esporta CSV</source>
        <translation>Εξαγωγή CSV</translation>
    </message>
    <message>
        <source>File CSV (*.csv)</source>
        <translation>Αρχεία CSV (*.csv)</translation>
    </message>
    <message>
        <source>Statistiche</source>
        <translation>Στατιστικά</translation>
    </message>
    <message>
        <source>&amp;Dal:</source>
        <translation>&amp;Από:</translation>
    </message>
    <message>
        <source>&amp;Al:</source>
        <translation>Έ&amp;ως:</translation>
    </message>
    <message>
        <source>&amp;Raggruppa per:</source>
        <translation>&amp;Ομαδοποίηση:</translation>
    </message>
    <message>
        <source>&amp;Produttore:</source>
        <translation>&amp;Παραγωγός:</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Παραγωγός</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Πρόγραμμα</translation>
    </message>
    <message>
        <source>Macchina</source>
        <translation>Μηχανή</translation>
    </message>
    <message>
        <source>Settimana</source>
        <translation>Εβδομάδα</translation>
    </message>
    <message>
        <source>A&amp;ggiorna</source>
        <translation>Ανα&amp;νέωση</translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation>&amp;Εκτύπωση</translation>
    </message>
    <message>
        <source>&amp;Esporta CSV</source>
        <translation>Ε&amp;ξαγωγή CSV</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Κλείσιμο</translation>
    </message>
    <message>
        <source>Gruppo</source>
        <translation>Ομάδα</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <source>Bolle</source>
        <translation>Δελτία</translation>
    </message>
    <message>
        <source>Kg dichiarati</source>
        <translation>Kg δηλωμένα</translation>
    </message>
    <message>
        <source>Kg campionati</source>
        <translation>Kg δείγματος</translation>
    </message>
    <message>
        <source>Q1 %</source>
        <translation>Π1 %</translation>
    </message>
    <message>
        <source>Q2 %</source>
        <translation>Π2 %</translation>
    </message>
    <message>
        <source>Q3 %</source>
        <translation>Π3 %</translation>
    </message>
    <message>
        <source>Q4 %</source>
        <translation>Π4 %</translation>
    </message>
    <message>
        <source>Scarto %</source>
        <translation>Απόρριψη %</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Αξία</translation>
    </message>
    <message>
        <source>Valore/Kg</source>
        <translation>Αξία/Kg</translation>
    </message>
</context>
<context>
    <name>kv7::ui::TAboutBox</name>
    <message>
        <source>Informazioni</source>
        <translation>Πληροφορίες</translation>
    </message>
    <message>
        <source>Versione : %1</source>
        <translation>Έκδοση : %1</translation>
    </message>
    <message>
        <source>Nome Prodotto : %1</source>
        <translation>Όνομα προϊόντος : %1</translation>
    </message>
</context>
<context>
    <name>kv7::ui::TErr_map</name>
    <message>
        <source>Mappa errori SRD12</source>
        <translation>Χάρτης σφαλμάτων SRD12</translation>
    </message>
</context>
<context>
    <name>kv7::ui::THelp</name>
    <message>
        <source>La guida dell&apos;operatore (%1) non è stata trovata in:
%2</source>
        <translation>Ο οδηγός χειριστή (%1) δεν βρέθηκε στο:
%2</translation>
    </message>
    <message>
        <source>Aiuto - Guida dell&apos;operatore</source>
        <translation>Βοήθεια - Οδηγός χειριστή</translation>
    </message>
</context>
<context>
    <name>kv7::ui::TMain</name>
    <message>
        <source>&amp;Bolla N:</source>
        <translation>&amp;Δελτίο αρ.:</translation>
    </message>
    <message>
        <source>T&amp;otale Partita kg:</source>
        <translation>Σύ&amp;νολο παρτίδας kg:</translation>
    </message>
    <message>
        <source>Stampa con totale partita</source>
        <translation>Εκτύπωση με σύνολο παρτίδας</translation>
    </message>
    <message>
        <source>Preview stampa</source>
        <translation>Προεπισκόπηση εκτύπωσης</translation>
    </message>
    <message>
        <source>Blocco Alimentazione</source>
        <translation>Τροφοδοσία μπλοκαρισμένη</translation>
    </message>
    <message>
        <source>Tazza / Tazze bad</source>
        <translation>Κύπελλο / Ελαττωματικά</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Μέγεθος</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Βάρος</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Σύνολο</translation>
    </message>
    <message>
        <source>Totali lavorazione</source>
        <translation>Σύνολα επεξεργασίας</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Απόρριψη</translation>
    </message>
    <message>
        <source>TOTALE</source>
        <translation>ΣΥΝΟΛΟ</translation>
    </message>
    <message>
        <source>Codici a barre</source>
        <translation>Γραμμωτοί κώδικες</translation>
    </message>
    <message>
        <source>Qualita &amp;%1</source>
        <translation>Ποιότητα &amp;%1</translation>
    </message>
    <message>
        <source>Qualita %1</source>
        <translation>Ποιότητα %1</translation>
    </message>
    <message>
        <source>Allarme qualita: premere per tacitare</source>
        <translation>Συναγερμός ποιότητας: πατήστε για σίγαση</translation>
    </message>
    <message>
        <source>&amp;Lavorazione</source>
        <translation>&amp;Επεξεργασία</translation>
    </message>
    <message>
        <source>&amp;Programmi</source>
        <translation>&amp;Προγράμματα</translation>
    </message>
    <message>
        <source>&amp;Bolle</source>
        <translation>&amp;Δελτία</translation>
    </message>
    <message>
        <source>Pro&amp;duttori</source>
        <translation>Πα&amp;ραγωγοί</translation>
    </message>
    <message>
        <source>&amp;Installazione</source>
        <translation>&amp;Εγκατάσταση</translation>
    </message>
    <message>
        <source>A&amp;ssistenza</source>
        <translation>&amp;Τεχνική υποστήριξη</translation>
    </message>
    <message>
        <source>S&amp;carti</source>
        <translation>&amp;Απορρίψεις</translation>
    </message>
    <message>
        <source>Controllo &amp;Remoto</source>
        <translation>&amp;Απομακρυσμένος έλεγχος</translation>
    </message>
    <message>
        <source>Lin&amp;gua</source>
        <translation>&amp;Γλώσσα</translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation>&amp;Βοήθεια</translation>
    </message>
    <message>
        <source>Programma  (F2)</source>
        <translation>Πρόγραμμα  (F2)</translation>
    </message>
    <message>
        <source>&amp;Modifica P/U  (F6)</source>
        <translation>&amp;Τροποποίηση P/U  (F6)</translation>
    </message>
    <message>
        <source>&amp;Azzeramento   (F8)</source>
        <translation>&amp;Μηδενισμός   (F8)</translation>
    </message>
    <message>
        <source>&amp;Dati   (F3)</source>
        <translation>&amp;Δεδομένα   (F3)</translation>
    </message>
    <message>
        <source>&amp;Totali</source>
        <translation>&amp;Σύνολα</translation>
    </message>
    <message>
        <source>&amp;Stampa   (F7)</source>
        <translation>&amp;Εκτύπωση   (F7)</translation>
    </message>
    <message>
        <source>&amp;Fine Lavorazione (F9)</source>
        <translation>&amp;Τέλος παρτίδας (F9)</translation>
    </message>
    <message>
        <source>&amp;Reset Centralina</source>
        <translation>&amp;Επαναφορά ελεγκτή</translation>
    </message>
    <message>
        <source>&amp;Nuovo</source>
        <translation>&amp;Νέο</translation>
    </message>
    <message>
        <source>&amp;Modifica</source>
        <translation>&amp;Τροποποίηση</translation>
    </message>
    <message>
        <source>&amp;Cancella</source>
        <translation>&amp;Διαγραφή</translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation>&amp;Εκτύπωση</translation>
    </message>
    <message>
        <source>&amp;Nuova</source>
        <translation>&amp;Νέο</translation>
    </message>
    <message>
        <source>esporta per Date</source>
        <translation>εξαγωγή ανά ημερομηνία</translation>
    </message>
    <message>
        <source>esporta giornaliero</source>
        <translation>εξαγωγή ημέρας</translation>
    </message>
    <message>
        <source>&amp;Azzeramento Bolle</source>
        <translation>&amp;Διαγραφή δελτίων</translation>
    </message>
    <message>
        <source>&amp;Azzera Produttori</source>
        <translation>&amp;Διαγραφή παραγωγών</translation>
    </message>
    <message>
        <source>&amp;Calibratrice</source>
        <translation>&amp;Διαλογέας</translation>
    </message>
    <message>
        <source>&amp;Programma</source>
        <translation>&amp;Πρόγραμμα</translation>
    </message>
    <message>
        <source>&amp;Salva su Penna USB</source>
        <translation>&amp;Αποθήκευση σε USB</translation>
    </message>
    <message>
        <source>&amp;Ripristina da Penna USB</source>
        <translation>&amp;Επαναφορά από USB</translation>
    </message>
    <message>
        <source>Controllo &amp;CELLE</source>
        <translation>Έλεγχος &amp;κυψελών</translation>
    </message>
    <message>
        <source>&amp;Memorizzato</source>
        <translation>&amp;Αποθηκευμένα βάρη</translation>
    </message>
    <message>
        <source>&amp;Encoder</source>
        <translation>&amp;Encoder</translation>
    </message>
    <message>
        <source>Controllo &amp;Tazze</source>
        <translation>Έλεγχος &amp;κυπέλλων</translation>
    </message>
    <message>
        <source>Tabella T&amp;ara</source>
        <translation>Πίνακας α&amp;πόβαρων</translation>
    </message>
    <message>
        <source>Ca&amp;librazione</source>
        <translation>Βα&amp;θμονόμηση</translation>
    </message>
    <message>
        <source>&amp;Oscilloscopio</source>
        <translation>&amp;Παλμογράφος</translation>
    </message>
    <message>
        <source>Aggiorna Tempi Scarti</source>
        <translation>Ενημέρωση χρόνων απόρριψης</translation>
    </message>
    <message>
        <source>Mappa errori SRD12</source>
        <translation>Χάρτης σφαλμάτων SRD12</translation>
    </message>
    <message>
        <source>Remoto 1</source>
        <translation>Απομακρυσμένο 1</translation>
    </message>
    <message>
        <source>Remoto 2</source>
        <translation>Απομακρυσμένο 2</translation>
    </message>
    <message>
        <source>Remoto 3</source>
        <translation>Απομακρυσμένο 3</translation>
    </message>
    <message>
        <source>Italiano</source>
        <translation>Ιταλικά</translation>
    </message>
    <message>
        <source>Spagnolo</source>
        <translation>Ισπανικά</translation>
    </message>
    <message>
        <source>Portoghese</source>
        <translation>Πορτογαλικά</translation>
    </message>
    <message>
        <source>Inglese</source>
        <translation>Αγγλικά</translation>
    </message>
    <message>
        <source>Francese</source>
        <translation>Γαλλικά</translation>
    </message>
    <message>
        <source>Tedesco</source>
        <translation>Γερμανικά</translation>
    </message>
    <message>
        <source>Greco</source>
        <translation>Ελληνικά</translation>
    </message>
    <message>
        <source>Cinese</source>
        <translation>Κινέζικα</translation>
    </message>
    <message>
        <source>Russo</source>
        <translation>Ρωσικά</translation>
    </message>
    <message>
        <source>Indiano</source>
        <translation>Χίντι</translation>
    </message>
    <message>
        <source>&amp;Informazioni</source>
        <translation>&amp;Πληροφορίες</translation>
    </message>
    <message>
        <source>&amp;Controllo Aggiornamenti On-line</source>
        <translation>&amp;Έλεγχος ενημερώσεων online</translation>
    </message>
    <message>
        <source>&amp;Fine</source>
        <translation>&amp;Έξοδος</translation>
    </message>
    <message>
        <source>&amp;Costi</source>
        <translation>&amp;Κόστη</translation>
    </message>
    <message>
        <source>Produzione oraria = %1 ql/h</source>
        <translation>Ωριαία παραγωγή = %1 ql/h</translation>
    </message>
    <message>
        <source>Costo L. %1   al Kg. L. %2 (%3)</source>
        <translation>Κόστος L. %1   ανά Kg. L. %2 (%3)</translation>
    </message>
    <message>
        <source>Qualità %1: % per calibro</source>
        <translation>Ποιότητα %1: % ανά μέγεθος</translation>
    </message>
    <message>
        <source>&amp;Azienda</source>
        <translation>&amp;Εταιρεία</translation>
    </message>
    <message>
        <source>Test Ma&amp;gneti</source>
        <translation>Έλεγχος μα&amp;γνητών</translation>
    </message>
    <message>
        <source>Impostazioni di stampa non salvate: %1</source>
        <translation>Οι ρυθμίσεις εκτύπωσης δεν αποθηκεύτηκαν: %1</translation>
    </message>
    <message>
        <source>Costo al Kg. L. %1 %2</source>
        <translation>Κόστος ανά Kg. L. %1 %2</translation>
    </message>
    <message>
        <source>S&amp;tatistiche</source>
        <translation>Σ&amp;τατιστικά</translation>
    </message>
    <message>
        <source>&amp;Listino</source>
        <translation>&amp;Τιμοκατάλογος</translation>
    </message>
    <message>
        <source>&amp;Estratto conto stagione</source>
        <translation>&amp;Κατάσταση σεζόν</translation>
    </message>
</context>
<context>
    <name>kv7::ui::WholeNumberField</name>
    <message>
        <source>&quot;%1&quot; non è un numero intero: il campo accetta solo numeri interi.</source>
        <translation>Το «%1» δεν είναι ακέραιος αριθμός: το πεδίο δέχεται μόνο ακέραιους αριθμούς.</translation>
    </message>
</context>
<context>
    <name>kv7::web</name>
    <message>
        <source>Num.</source>
        <translation>Αρ.</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Ημερομηνία</translation>
    </message>
    <message>
        <source>Macchina %1</source>
        <translation>Μηχάνημα %1</translation>
    </message>
    <message>
        <source>Stato</source>
        <translation>Κατάσταση</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Πρόγραμμα</translation>
    </message>
    <message>
        <source>Bolla</source>
        <translation>Δελτίο</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Παραγωγός</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <source>Macchina</source>
        <translation>Μηχανή</translation>
    </message>
    <message>
        <source>Kg dichiarati</source>
        <translation>Δηλωμένα kg</translation>
    </message>
    <message>
        <source>Data non valida (AAAA-MM-GG)</source>
        <translation>Μη έγκυρη ημερομηνία (ΕΕΕΕ-ΜΜ-ΗΗ)</translation>
    </message>
    <message>
        <source>Macchina non valida</source>
        <translation>Μη έγκυρη μηχανή</translation>
    </message>
    <message>
        <source>Dal</source>
        <translation>Από</translation>
    </message>
    <message>
        <source>Al</source>
        <translation>Έως</translation>
    </message>
    <message>
        <source>Filtra</source>
        <translation>Φιλτράρισμα</translation>
    </message>
    <message>
        <source>Kg campionati</source>
        <translation>Δειγματοληπτημένα kg</translation>
    </message>
    <message>
        <source>Prima</source>
        <translation>Πρώτη</translation>
    </message>
    <message>
        <source>Precedente</source>
        <translation>Προηγούμενη</translation>
    </message>
    <message>
        <source>Pagina %1 di %2 (%3 bolle)</source>
        <translation>Σελίδα %1 από %2 (%3 δελτία)</translation>
    </message>
    <message>
        <source>Successiva</source>
        <translation>Επόμενη</translation>
    </message>
    <message>
        <source>Ultima</source>
        <translation>Τελευταία</translation>
    </message>
    <message>
        <source>Scarica CSV</source>
        <translation>Λήψη CSV</translation>
    </message>
    <message>
        <source>Nessuna bolla</source>
        <translation>Κανένα δελτίο</translation>
    </message>
    <message>
        <source>Bolle</source>
        <translation>Δελτία</translation>
    </message>
    <message>
        <source>Archivio non disponibile</source>
        <translation>Το αρχείο δεν είναι διαθέσιμο</translation>
    </message>
    <message>
        <source>Registrazione</source>
        <translation>Καταχώριση</translation>
    </message>
    <message>
        <source>Lotto</source>
        <translation>Παρτίδα</translation>
    </message>
    <message>
        <source>Operatore</source>
        <translation>Χειριστής</translation>
    </message>
    <message>
        <source>Casse</source>
        <translation>Κιβώτια</translation>
    </message>
    <message>
        <source>Pedane</source>
        <translation>Παλέτες</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Σημειώσεις</translation>
    </message>
    <message>
        <source>Modificata il</source>
        <translation>Τροποποιήθηκε στις</translation>
    </message>
    <message>
        <source>Qualità</source>
        <translation>Ποιότητα</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Διαμέτρημα</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Βάρος</translation>
    </message>
    <message>
        <source>Totale qualità</source>
        <translation>Σύνολο ποιότητας</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Απόρριψη</translation>
    </message>
    <message>
        <source>Totale generale</source>
        <translation>Γενικό σύνολο</translation>
    </message>
    <message>
        <source>Listino dal</source>
        <translation>Τιμοκατάλογος από</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Αξία</translation>
    </message>
    <message>
        <source>Prezzo medio al Kg</source>
        <translation>Μέση τιμή ανά kg</translation>
    </message>
    <message>
        <source>Kg valutati</source>
        <translation>Αποτιμημένα kg</translation>
    </message>
    <message>
        <source>Senza prezzo</source>
        <translation>Χωρίς τιμή</translation>
    </message>
    <message>
        <source>Modifiche</source>
        <translation>Αλλαγές</translation>
    </message>
    <message>
        <source>Nessuna modifica</source>
        <translation>Καμία αλλαγή</translation>
    </message>
    <message>
        <source>Quando</source>
        <translation>Πότε</translation>
    </message>
    <message>
        <source>Utente</source>
        <translation>Χρήστης</translation>
    </message>
    <message>
        <source>Finestra</source>
        <translation>Παράθυρο</translation>
    </message>
    <message>
        <source>Azione</source>
        <translation>Ενέργεια</translation>
    </message>
    <message>
        <source>Numero di bolla non valido</source>
        <translation>Μη έγκυρος αριθμός δελτίου</translation>
    </message>
    <message>
        <source>Bolla non trovata</source>
        <translation>Το δελτίο δεν βρέθηκε</translation>
    </message>
    <message>
        <source>Il programma %1 della bolla non è più in archivio</source>
        <translation>Το πρόγραμμα %1 του δελτίου δεν υπάρχει πλέον στο αρχείο</translation>
    </message>
    <message>
        <source>Pesi campionati</source>
        <translation>Δειγματοληπτημένα βάρη</translation>
    </message>
    <message>
        <source>Sul peso dichiarato</source>
        <translation>Επί του δηλωμένου βάρους</translation>
    </message>
    <message>
        <source>Bolla %1</source>
        <translation>Δελτίο %1</translation>
    </message>
    <message>
        <source>Raggruppamento non valido</source>
        <translation>Μη έγκυρη ομαδοποίηση</translation>
    </message>
    <message>
        <source>Raggruppa per</source>
        <translation>Ομαδοποίηση κατά</translation>
    </message>
    <message>
        <source>Settimana</source>
        <translation>Εβδομάδα</translation>
    </message>
    <message>
        <source>Mostra</source>
        <translation>Εμφάνιση</translation>
    </message>
    <message>
        <source>Produzione (kg/h)</source>
        <translation>Παραγωγή (kg/h)</translation>
    </message>
    <message>
        <source>Tazze al minuto</source>
        <translation>Κύπελλα ανά λεπτό</translation>
    </message>
    <message>
        <source>Bolle in attesa</source>
        <translation>Δελτία σε αναμονή</translation>
    </message>
    <message>
        <source>Ultimo aggiornamento</source>
        <translation>Τελευταία ενημέρωση</translation>
    </message>
    <message>
        <source>non risponde</source>
        <translation>δεν αποκρίνεται</translation>
    </message>
    <message>
        <source>Qualità %1</source>
        <translation>Ποιότητα %1</translation>
    </message>
    <message>
        <source>Gruppo</source>
        <translation>Ομάδα</translation>
    </message>
    <message>
        <source>Valore al Kg</source>
        <translation>Αξία ανά kg</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Σύνολο</translation>
    </message>
    <message>
        <source>Nessuna bolla nel periodo</source>
        <translation>Κανένα δελτίο στην περίοδο</translation>
    </message>
    <message>
        <source>Qualità per gruppo</source>
        <translation>Ποιότητα ανά ομάδα</translation>
    </message>
    <message>
        <source>Distribuzione per calibro: %1</source>
        <translation>Κατανομή ανά διαμέτρημα: %1</translation>
    </message>
    <message>
        <source>Nessuna macchina ha ancora scritto il suo stato</source>
        <translation>Κανένα μηχάνημα δεν έχει γράψει ακόμη την κατάστασή του</translation>
    </message>
    <message>
        <source>Archivio non raggiungibile</source>
        <translation>Το αρχείο δεν είναι προσβάσιμο</translation>
    </message>
    <message>
        <source>Aggiornamento interrotto: nuovo tentativo in corso</source>
        <translation>Η ενημέρωση διακόπηκε: νέα προσπάθεια σε εξέλιξη</translation>
    </message>
    <message>
        <source>Accesso</source>
        <translation>Σύνδεση</translation>
    </message>
    <message>
        <source>Utente o password errati</source>
        <translation>Λάθος χρήστης ή κωδικός</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Κωδικός</translation>
    </message>
    <message>
        <source>Entra</source>
        <translation>Είσοδος</translation>
    </message>
    <message>
        <source>Macchine</source>
        <translation>Μηχανήματα</translation>
    </message>
    <message>
        <source>Pagina non trovata</source>
        <translation>Η σελίδα δεν βρέθηκε</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Γλώσσα</translation>
    </message>
    <message>
        <source>Cambia</source>
        <translation>Αλλαγή</translation>
    </message>
    <message>
        <source>Statistiche</source>
        <translation>Στατιστικά</translation>
    </message>
    <message>
        <source>Manca il produttore</source>
        <translation>Λείπει ο παραγωγός</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Σφάλμα</translation>
    </message>
    <message>
        <source>Valori prima</source>
        <translation>Τιμές πριν</translation>
    </message>
    <message>
        <source>Valori dopo</source>
        <translation>Τιμές μετά</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Αποσύνδεση</translation>
    </message>
    <message>
        <source>Q%1 C%2</source>
        <translation>Π%1 Κ%2</translation>
    </message>
</context>
</TS>
