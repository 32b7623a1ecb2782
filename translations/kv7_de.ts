<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="it_IT">
<context>
    <name>BatchMessages</name>
    <message>
        <source>Nuova Bolla N:</source>
        <translation>Neuer Lieferschein Nr.:</translation>
    </message>
    <message>
        <source>Modifica Bolla N:</source>
        <translation>Lieferschein ändern Nr.:</translation>
    </message>
    <message>
        <source>Archivio Programmi Vuoto, Rilavorazione impossibile.</source>
        <translation>Programmarchiv leer, Nachbearbeitung nicht möglich.</translation>
    </message>
    <message>
        <source>Caricamento Programma </source>
        <translation>Programm laden </translation>
    </message>
    <message>
        <source>Programma dell archivio INESISTENTE, selezionarne uno dalla lista.</source>
        <translation>Programm NICHT im Archiv, bitte eines aus der Liste wählen.</translation>
    </message>
    <message>
        <source>Numero Programmi</source>
        <translation>Anzahl Programme</translation>
    </message>
    <message>
        <source>Il campo %1 non contiene un numero intero: &quot;%2&quot;. La bolla non è stata salvata.</source>
        <translation>Das Feld %1 enthält keine ganze Zahl: &quot;%2&quot;. Der Lieferschein wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Il codice produttore deve essere un numero intero: &quot;%1&quot;.</source>
        <translation>Der Erzeugercode muss eine ganze Zahl sein: &quot;%1&quot;.</translation>
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
        <translation>Aufruf: kv7 [-o]
Konsole des KV7-Probenehmers; arbeitet im aktuellen Ordner (kv2.log, Arbeitsdateien).
  -o           Steuerung älterer Bauart (Leitung mit 9600 Baud)
  --help       zeigt diese Hilfe und beendet
  --version    zeigt die Version und beendet
Archiv: KV7_DB_HOST, KV7_DB_PORT, KV7_DB_SOCKET, KV7_DB_USER, KV7_DB_PASSWORD, KV7_DB_NAME.
Konfiguration: KV7_CONFIG_DIR. Mit einem privaten Archiv: kv7-db.
</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Il comando %1 non è andato a buon fine</source>
        <translation>Befehl %1 ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>Il comando %1 non ha ricevuto una risposta corretta</source>
        <translation>Befehl %1 hat keine gültige Antwort erhalten</translation>
    </message>
    <message>
        <source>Il comando %1 non ha ricevuto una risposta corretta=%2</source>
        <translation>Befehl %1 hat keine gültige Antwort erhalten=%2</translation>
    </message>
    <message>
        <source>Il comando %1 non è stato trasmesso correttamente</source>
        <translation>Befehl %1 wurde nicht korrekt gesendet</translation>
    </message>
    <message>
        <source>Il comando di versione non ha ricevuto una risposta corretta</source>
        <translation>Der Versionsbefehl hat keine gültige Antwort erhalten</translation>
    </message>
    <message>
        <source>Il comando di type non ha ricevuto una risposta corretta</source>
        <translation>Der Typbefehl hat keine gültige Antwort erhalten</translation>
    </message>
    <message>
        <source>Il comando di controllo rotazione non è stato trasmesso correttamente</source>
        <translation>Der Befehl zur Prüfung der Drehrichtung wurde nicht korrekt gesendet</translation>
    </message>
    <message>
        <source>Il comando di rotazione non ha ricevuto una risposta corretta</source>
        <translation>Der Drehrichtungsbefehl hat keine gültige Antwort erhalten</translation>
    </message>
    <message>
        <source>Il comando di Set rotazione non è stato trasmesso correttamente</source>
        <translation>Der Befehl zum Setzen der Drehrichtung wurde nicht korrekt gesendet</translation>
    </message>
    <message>
        <source>Il comando di Set rotazione non ha ricevuto una risposta corretta</source>
        <translation>Der Befehl zum Setzen der Drehrichtung hat keine gültige Antwort erhalten</translation>
    </message>
    <message>
        <source>Il comando di Set Delay Tara non è stato trasmesso correttamente</source>
        <translation>Der Befehl zum Setzen der Taraverzögerung wurde nicht korrekt gesendet</translation>
    </message>
    <message>
        <source>Il comando di Set Tipo Magneti non è stato trasmesso correttamente</source>
        <translation>Der Befehl zum Setzen des Magnettyps wurde nicht korrekt gesendet</translation>
    </message>
    <message>
        <source>Il comando tara tazza non è andato a buon fine</source>
        <translation>Der Schalentara-Befehl ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>Il comando di traccia grafica non è stato inviato correttamente</source>
        <translation>Der Befehl zur Signalaufzeichnung wurde nicht korrekt gesendet</translation>
    </message>
    <message>
        <source>Termina Oscilloscopio non eseguito...</source>
        <translation>Beenden des Oszilloskops nicht ausgeführt...</translation>
    </message>
    <message>
        <source>Il comando di controllo tazze vuote non è stato inviato correttamente</source>
        <translation>Der Befehl zur Prüfung leerer Schalen wurde nicht korrekt gesendet</translation>
    </message>
    <message>
        <source>Il comando di termina tazze vuote non eseguito</source>
        <translation>Befehl zum Beenden der Leerschalenprüfung nicht ausgeführt</translation>
    </message>
    <message>
        <source>Il comando di calibrazione linee non è stato inviato correttamente</source>
        <translation>Der Befehl zur Linienkalibrierung wurde nicht korrekt gesendet</translation>
    </message>
    <message>
        <source>Il comando di termina calibrazione linee non è stato inviato correttamente</source>
        <translation>Der Befehl zum Beenden der Linienkalibrierung wurde nicht korrekt gesendet</translation>
    </message>
    <message>
        <source>0 - SCARTI ON</source>
        <translation>0 - AUSSCHUSS EIN</translation>
    </message>
    <message>
        <source>1 - attesa scar.</source>
        <translation>1 - wartet Entl.</translation>
    </message>
    <message>
        <source>2 - SCARICO</source>
        <translation>2 - ENTLADEN</translation>
    </message>
    <message>
        <source>3 - ass. tara</source>
        <translation>3 - Tara beruh.</translation>
    </message>
    <message>
        <source>4 - tara in corso</source>
        <translation>4 - Tarierung läuft</translation>
    </message>
    <message>
        <source>5 - att. carico</source>
        <translation>5 - wartet Lad.</translation>
    </message>
    <message>
        <source>6 - Carico Sing.</source>
        <translation>6 - Einzelladung</translation>
    </message>
    <message>
        <source>7 - Ass. e Accum.</source>
        <translation>7 - Beruh. u. Samm.</translation>
    </message>
    <message>
        <source>8 - Doppia Carico</source>
        <translation>8 - Doppelladung</translation>
    </message>
    <message>
        <source>9 - Ass. Accum. Pos.</source>
        <translation>9 - Beruh. Samm. Pos.</translation>
    </message>
    <message>
        <source>? - errore scarti</source>
        <translation>? - Ausschussfehler</translation>
    </message>
    <message>
        <source>0-SCARTI off</source>
        <translation>0-AUSSCHUSS aus</translation>
    </message>
    <message>
        <source>errore ciclo on scarti</source>
        <translation>Fehler beim Einschalten des Ausschusszyklus</translation>
    </message>
    <message>
        <source>Errori Centralina Scarti</source>
        <translation>Fehler der Ausschusssteuerung</translation>
    </message>
    <message>
        <source>Programma Peso = 0</source>
        <translation>Gewichtsprogramm = 0</translation>
    </message>
    <message>
        <source>Set-Up Singola/Doppia</source>
        <translation>Einrichtung einfach/doppelt</translation>
    </message>
    <message>
        <source>Set-Up i due rele di carico = 0</source>
        <translation>Einrichtung: beide Laderelais = 0</translation>
    </message>
    <message>
        <source>Set-Up i due rele di scarico = 0</source>
        <translation>Einrichtung: beide Entladerelais = 0</translation>
    </message>
    <message>
        <source>Set-Up k-Peso = 0</source>
        <translation>Einrichtung k-Gewicht = 0</translation>
    </message>
    <message>
        <source>rele Scarico Destro non assegnato</source>
        <translation>rechtes Entladerelais nicht zugeordnet</translation>
    </message>
    <message>
        <source>rele Scarico Sinistro non assegnato</source>
        <translation>linkes Entladerelais nicht zugeordnet</translation>
    </message>
    <message>
        <source>Doppia manca 1 rele o 1 sensore di carico</source>
        <translation>Doppelt: 1 Relais oder 1 Ladesensor fehlt</translation>
    </message>
    <message>
        <source>Ciclo On Tara valore errato</source>
        <translation>Zyklus ein: falscher Tarawert</translation>
    </message>
    <message>
        <source>seriale Ricezione buffer pieno</source>
        <translation>seriell: Empfangspuffer voll</translation>
    </message>
    <message>
        <source>seriale Trasmissione Time-Out</source>
        <translation>seriell: Sende-Zeitüberschreitung</translation>
    </message>
    <message>
        <source>comandi J/K errati</source>
        <translation>falsche J/K-Befehle</translation>
    </message>
    <message>
        <source>0 - Centralina off</source>
        <translation>0 - Steuerung aus</translation>
    </message>
    <message>
        <source>0 - Accesa</source>
        <translation>0 - Eingeschaltet</translation>
    </message>
    <message>
        <source>1 - Stand By</source>
        <translation>1 - Bereitschaft</translation>
    </message>
    <message>
        <source>2 - Attesa Encoder</source>
        <translation>2 - Warten auf Drehgeber</translation>
    </message>
    <message>
        <source>3 - Tara iniziale</source>
        <translation>3 - Anfangstara</translation>
    </message>
    <message>
        <source>4 - Lavorazione</source>
        <translation>4 - Verarbeitung</translation>
    </message>
    <message>
        <source>5 - Fine partita</source>
        <translation>5 - Partieende</translation>
    </message>
    <message>
        <source>%1tz/s</source>
        <translation>%1 Sch/s</translation>
    </message>
    <message>
        <source>set Encoder orario</source>
        <translation>Drehgeber im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>set Encoder antiorario</source>
        <translation>Drehgeber gegen Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Trasf. %1Mb3 = %2 %</source>
        <translation>Übertr.%1an Mb3 = %2 %</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Bolla temporanea non presente!</source>
        <translation>Kein vorläufiger Lieferschein vorhanden!</translation>
    </message>
    <message>
        <source>Vuoi esportare i dati verso AS400 ?</source>
        <translation>Daten zum AS400 exportieren?</translation>
    </message>
    <message>
        <source>KV7 Campionatrice</source>
        <translation>KV7 Probenehmer</translation>
    </message>
    <message>
        <source>Programma Gestione Calibratrice</source>
        <translation>Steuerprogramm der Sortiermaschine</translation>
    </message>
    <message>
        <source>non abilitata</source>
        <translation>nicht aktiviert</translation>
    </message>
    <message>
        <source>KV7 Campionatrice%1</source>
        <translation>KV7 Probenehmer%1</translation>
    </message>
    <message>
        <source>La centralina è spenta, accenderla per favore!</source>
        <translation>Die Steuerung ist aus, bitte einschalten!</translation>
    </message>
    <message>
        <source>I totali verranno azzerati, vuoi continuare ?</source>
        <translation>Die Summen werden auf Null gesetzt, fortfahren?</translation>
    </message>
    <message>
        <source>richiesta totali della centralina scarti non risposta!</source>
        <translation>die Ausschussstation hat auf die Summenabfrage nicht geantwortet!</translation>
    </message>
    <message>
        <source>1-SCARTI ON</source>
        <translation>1-AUSSCHUSS EIN</translation>
    </message>
    <message>
        <source>linea %1 non risponde</source>
        <translation>Linie %1 antwortet nicht</translation>
    </message>
    <message>
        <source>Il programma %1 non è in archivio.</source>
        <translation>Programm %1 ist nicht im Archiv.</translation>
    </message>
    <message>
        <source>Il programma %1 non può essere caricato: il codice deve essere un numero da 1 a 98.</source>
        <translation>Programm %1 kann nicht geladen werden: der Code muss eine Zahl von 1 bis 98 sein.</translation>
    </message>
    <message>
        <source>Il programma è quello corrente; non è possibile cancellarlo!</source>
        <translation>Das ist das laufende Programm; es kann nicht gelöscht werden!</translation>
    </message>
    <message>
        <source>Tutti i codici da 01 a 98 sono già usati: cancellare un programma.</source>
        <translation>Alle Codes von 01 bis 98 sind belegt: bitte ein Programm löschen.</translation>
    </message>
    <message>
        <source>programma %1 non in archivio</source>
        <translation>Programm %1 nicht im Archiv</translation>
    </message>
    <message>
        <source>Il campo %1 non contiene un numero intero: &quot;%2&quot;. La bolla non è stata salvata.</source>
        <translation>Das Feld %1 enthält keine ganze Zahl: &quot;%2&quot;. Der Lieferschein wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Totale partita deve essere maggiore di zero!</source>
        <translation>Die Partiesumme muss größer als null sein!</translation>
    </message>
    <message>
        <source>azzione scarti!</source>
        <translation>Ausschuss-Aktion!</translation>
    </message>
    <message>
        <source>nessun programma caricato</source>
        <translation>kein Programm geladen</translation>
    </message>
    <message>
        <source>Verificare che la macchina sia vuota, premere Yes per eseguire la calibrazione.</source>
        <translation>Prüfen Sie, dass die Maschine leer ist, drücken Sie Yes für die Kalibrierung.</translation>
    </message>
    <message>
        <source>La bolla %1 non è stata salvata: %2. I totali restano nella centralina.</source>
        <translation>Lieferschein %1 wurde nicht gespeichert: %2. Die Summen bleiben in der Steuerung.</translation>
    </message>
    <message>
        <source>La bolla %1 è in attesa: sarà archiviata appena il database risponde.</source>
        <translation>Lieferschein %1 wartet: er wird archiviert, sobald die Datenbank antwortet.</translation>
    </message>
    <message>
        <source>Il record della bolla %1 è in attesa: la cartella %2 non è scrivibile.</source>
        <translation>Der Datensatz von Lieferschein %1 wartet: Ordner %2 ist nicht beschreibbar.</translation>
    </message>
    <message>
        <source>Giornale delle bolle non disponibile: %1</source>
        <translation>Lieferschein-Journal nicht verfügbar: %1</translation>
    </message>
    <message>
        <source>Esportazione non scritta: %1</source>
        <translation>Export nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>Lavorazione precedente n: %1</source>
        <translation>Vorherige Verarbeitung Nr: %1</translation>
    </message>
    <message>
        <source>%1 bolle in attesa</source>
        <translation>%1 Lieferscheine wartend</translation>
    </message>
    <message>
        <source>%1 record in attesa</source>
        <translation>%1 Datensätze wartend</translation>
    </message>
    <message>
        <source>Attenzione! le modifiche apportate nel quadro che segue possono alterare il funzionamento della macchina. Si vuole proseguire?</source>
        <translation>Achtung! Änderungen im folgenden Fenster können den Betrieb der Maschine verändern. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Com non disponibile nel computer, il programma terminera!</source>
        <translation>COM-Anschluss im Computer nicht verfügbar, das Programm wird beendet!</translation>
    </message>
    <message>
        <source>Com Scarti non disponibile nel computer, il programma terminera!</source>
        <translation>COM-Anschluss der Ausschussstation im Computer nicht verfügbar, das Programm wird beendet!</translation>
    </message>
    <message>
        <source>Dischetto sul floppy non presente o non leggibile!</source>
        <translation>Datenträger nicht vorhanden oder nicht lesbar!</translation>
    </message>
    <message>
        <source>Salvataggio effettuato!</source>
        <translation>Gespeichert!</translation>
    </message>
    <message>
        <source>Ripristino effettuato!</source>
        <translation>Wiederhergestellt!</translation>
    </message>
    <message>
        <source>Cancellazione non possibile, Bolla precedente in corso.</source>
        <translation>Löschen nicht möglich, vorheriger Lieferschein in Bearbeitung.</translation>
    </message>
    <message>
        <source>Cancellare archivio Bolle? non sarà possibile recuperarlo.</source>
        <translation>Lieferscheinarchiv löschen? Es kann nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Cancellare archivio Produttori? non sarà possibile recuperarlo.</source>
        <translation>Erzeugerarchiv löschen? Es kann nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Archivio Bolle cancellato!</source>
        <translation>Lieferscheinarchiv gelöscht!</translation>
    </message>
    <message>
        <source>Archivio Produttori cancellato!</source>
        <translation>Erzeugerarchiv gelöscht!</translation>
    </message>
    <message>
        <source>Copia di sicurezza non riuscita: archivio non cancellato.</source>
        <translation>Sicherungskopie fehlgeschlagen: Archiv nicht gelöscht.</translation>
    </message>
    <message>
        <source>Copia di sicurezza dell&apos;archivio in %1</source>
        <translation>Sicherungskopie des Archivs in %1</translation>
    </message>
    <message>
        <source>Impossibile avviare il programma di aggiornamento %1</source>
        <translation>Das Aktualisierungsprogramm %1 kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>Termine Memorizzato non accettato!</source>
        <translation>Ende des Speichertests nicht angenommen!</translation>
    </message>
    <message>
        <source>Fine funzione oscilloscopio... non eseguita!</source>
        <translation>Ende der Oszilloskopfunktion... nicht ausgeführt!</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1: le tracce non vengono più salvate.</source>
        <translation>Datei %1 kann nicht geschrieben werden: Kurven werden nicht mehr gespeichert.</translation>
    </message>
    <message>
        <source>Totali con la bolla archiviata n: %1 (azzerare F8)</source>
        <translation>Summen mit archiviertem Lieferschein Nr: %1 (nullen F8)</translation>
    </message>
    <message>
        <source>La linea %1 non ha dato i totali: la bolla non è stata archiviata. Premere F9 quando la linea risponde.</source>
        <translation>Linie %1 hat keine Summen geliefert: der Lieferschein wurde nicht archiviert. F9 drücken, sobald die Linie antwortet.</translation>
    </message>
    <message>
        <source>%1 bolle rifiutate</source>
        <translation>%1 Lieferscheine abgelehnt</translation>
    </message>
    <message>
        <source>La bolla %1 è stata rifiutata dall&apos;archivio: %2. Resta nel giornale tra le bolle rifiutate.</source>
        <translation>Das Archiv hat den Lieferschein %1 abgelehnt: %2. Er bleibt im Journal bei den abgelehnten Lieferscheinen.</translation>
    </message>
    <message>
        <source>La bolla è stata registrata con il numero %1: il numero %2 è stato preso nel frattempo da un&apos;altra bolla.</source>
        <translation>Der Lieferschein wurde unter der Nummer %1 registriert: ein anderer Lieferschein hat inzwischen die Nummer %2 erhalten.</translation>
    </message>
    <message>
        <source>La bolla %1 è stata cancellata dopo l&apos;apertura: le modifiche non sono state salvate.</source>
        <translation>Der Lieferschein %1 wurde nach dem Öffnen gelöscht: die Änderungen wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>La bolla %1 è stata cambiata dopo l&apos;apertura: le modifiche non sono state salvate.</source>
        <translation>Der Lieferschein %1 wurde nach dem Öffnen geändert: die Änderungen wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>La bolla %1 non esiste più.</source>
        <translation>Der Lieferschein %1 existiert nicht mehr.</translation>
    </message>
    <message>
        <source>Errore imprevisto: %1. Il programma viene chiuso.</source>
        <translation>Unerwarteter Fehler: %1. Das Programm wird beendet.</translation>
    </message>
    <message>
        <source>Configurazione non leggibile (%1): il programma termina senza modificarla.</source>
        <translation>Konfiguration nicht lesbar (%1): das Programm endet, ohne sie zu ändern.</translation>
    </message>
    <message>
        <source>Il file non contiene impostazioni dell&apos;installazione: niente ripristinato.</source>
        <translation>Die Datei enthält keine Einstellungen der Installation: nichts wiederhergestellt.</translation>
    </message>
    <message>
        <source>Le impostazioni del file sono già quelle in uso: niente da ripristinare.</source>
        <translation>Die Einstellungen der Datei sind bereits die verwendeten: nichts wiederherzustellen.</translation>
    </message>
    <message>
        <source>Impostazioni che il ripristino cambia: %1. Procedere?</source>
        <translation>Einstellungen, die die Wiederherstellung ändert: %1. Fortfahren?</translation>
    </message>
    <message>
        <source>Programma di aggiornamento non installato: %1</source>
        <translation>Aktualisierungsprogramm nicht installiert: %1</translation>
    </message>
    <message>
        <source>%1 - Macchina %2</source>
        <translation>%1 - Maschine %2</translation>
    </message>
</context>
<context>
    <name>ProgramMessages</name>
    <message>
        <source> Caricamento Programma </source>
        <translation> Programm laden </translation>
    </message>
    <message>
        <source> Cancella Programma </source>
        <translation> Programm löschen </translation>
    </message>
    <message>
        <source>La centralina è spenta, accenderla per favore!</source>
        <translation>Die Steuerung ist aus: bitte einschalten!</translation>
    </message>
    <message>
        <source>Il programma %1 non può essere caricato: il codice deve essere un numero da 1 a 98.</source>
        <translation>Programm %1 kann nicht geladen werden: der Code muss eine Zahl von 1 bis 98 sein.</translation>
    </message>
    <message>
        <source>Il programma è quello corrente; non è possibile cancellarlo!</source>
        <translation>Das ist das laufende Programm; es kann nicht gelöscht werden!</translation>
    </message>
    <message>
        <source>Tutti i codici da 01 a 98 sono già usati: cancellare un programma.</source>
        <translation>Alle Codes von 01 bis 98 sind belegt: bitte ein Programm löschen.</translation>
    </message>
    <message>
        <source>Il programma %1 non è in archivio.</source>
        <translation>Programm %1 ist nicht im Archiv.</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TListaBolla</name>
    <message>
        <source>Lista Bolle</source>
        <translation>Lieferscheinliste</translation>
    </message>
    <message>
        <source>Selezionare la Bolla</source>
        <translation>Lieferschein wählen</translation>
    </message>
    <message>
        <source>Numero  Bolle</source>
        <translation>Anzahl Lieferscheine</translation>
    </message>
    <message>
        <source>Partita</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Ausschuss</translation>
    </message>
    <message>
        <source>&lt;nuovo produttore&gt;</source>
        <translation>&lt;neuer Erzeuger&gt;</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TListaProduttori</name>
    <message>
        <source>Lista Produttori</source>
        <translation>Erzeugerliste</translation>
    </message>
    <message>
        <source>Selezionare il produttore</source>
        <translation>Erzeuger wählen</translation>
    </message>
    <message>
        <source>Numero  Produttori</source>
        <translation>Anzahl Erzeuger</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TModDati</name>
    <message>
        <source>Bolla ritiro N:</source>
        <translation>Lieferschein Nr.:</translation>
    </message>
    <message>
        <source>Codice :</source>
        <translation>Code:</translation>
    </message>
    <message>
        <source>Descrizione :</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Note :</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>Totale Partita kg:</source>
        <translation>Partiegesamt kg:</translation>
    </message>
    <message>
        <source>Lotto N:</source>
        <translation>Los Nr.:</translation>
    </message>
    <message>
        <source>N Casse:</source>
        <translation>Anz. Kisten:</translation>
    </message>
    <message>
        <source>N Pedane:</source>
        <translation>Anz. Paletten:</translation>
    </message>
    <message>
        <source>Operatore:</source>
        <translation>Bediener:</translation>
    </message>
    <message>
        <source>Dati Bolla</source>
        <translation>Lieferscheindaten</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Erzeuger</translation>
    </message>
    <message>
        <source>Cambia</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Forza Data </source>
        <translation>Datum erzwingen </translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TNewBolla</name>
    <message>
        <source>Ripartizione Calibri</source>
        <translation>Aufteilung nach Größen</translation>
    </message>
    <message>
        <source>Nuova Bolla</source>
        <translation>Neuer Lieferschein</translation>
    </message>
    <message>
        <source>Qualita %1</source>
        <translation>Qualität %1</translation>
    </message>
    <message>
        <source>Partita</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Cambia</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Speichern</translation>
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
        <translation>Summe Größe %1, Qualität %2</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Ausschuss</translation>
    </message>
    <message>
        <source>Tot Partita</source>
        <translation>Partiesumme</translation>
    </message>
    <message>
        <source>num. Casse</source>
        <translation>Anz. Kisten</translation>
    </message>
    <message>
        <source>num. Pedane</source>
        <translation>Anz. Paletten</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Percentuale</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Qualita 1</source>
        <translation>Qualität 1</translation>
    </message>
    <message>
        <source>Qualita 2</source>
        <translation>Qualität 2</translation>
    </message>
    <message>
        <source>Qualita 3</source>
        <translation>Qualität 3</translation>
    </message>
    <message>
        <source>Qualita 4</source>
        <translation>Qualität 4</translation>
    </message>
    <message>
        <source>TOTALE</source>
        <translation>SUMME</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Bolla</source>
        <translation>Lieferschein</translation>
    </message>
    <message>
        <source>Numero</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Lotto</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Erzeuger</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Codice a Barre</source>
        <translation>Strichcode</translation>
    </message>
    <message>
        <source>Operatore</source>
        <translation>Bediener</translation>
    </message>
    <message>
        <source>Ricalcolo</source>
        <translation>Neuberechnung</translation>
    </message>
    <message>
        <source>Valore: %1   (%2 al Kg)   listino dal %3</source>
        <translation>Wert: %1   (%2 pro Kg)   Preisliste ab %3</translation>
    </message>
    <message>
        <source>Q%1 C%2</source>
        <translation>Q%1 K%2</translation>
    </message>
    <message>
        <source>Senza prezzo: %1</source>
        <translation>Ohne Preis: %1</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TProduttori</name>
    <message>
        <source>Dato Produttore</source>
        <translation>Erzeugerdaten</translation>
    </message>
    <message>
        <source>codice produttore</source>
        <translation>Erzeugercode</translation>
    </message>
    <message>
        <source>descrizione produttore</source>
        <translation>Erzeugerbeschreibung</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>kv7::batches::Texpfiltdata</name>
    <message>
        <source>Esporta Bolle con filtro per DATA</source>
        <translation>Lieferscheine nach DATUM exportieren</translation>
    </message>
    <message>
        <source>Data inizio</source>
        <translation>Anfangsdatum</translation>
    </message>
    <message>
        <source>Data Fine</source>
        <translation>Enddatum</translation>
    </message>
    <message>
        <source>Nomi campi</source>
        <translation>Feldnamen</translation>
    </message>
    <message>
        <source>ESPORTA</source>
        <translation>EXPORTIEREN</translation>
    </message>
</context>
<context>
    <name>kv7::installation::TInstallazione</name>
    <message>
        <source>variabile</source>
        <translation>variabel</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>60% /3 Passi</source>
        <translation>60% /3 Schritte</translation>
    </message>
    <message>
        <source>100% /3 Passi</source>
        <translation>100% /3 Schritte</translation>
    </message>
    <message>
        <source>TARA/LINEA</source>
        <translation>TARA/LINIE</translation>
    </message>
    <message>
        <source>TARA/TAZZA</source>
        <translation>TARA/BECHER</translation>
    </message>
    <message>
        <source>TARA INC.(1gr)</source>
        <translation>TARA INK.(1g)</translation>
    </message>
    <message>
        <source>TARA INC.(2gr)</source>
        <translation>TARA INK.(2g)</translation>
    </message>
    <message>
        <source>TARA INC.(3gr)</source>
        <translation>TARA INK.(3g)</translation>
    </message>
    <message>
        <source>TARA INC.(4gr)</source>
        <translation>TARA INK.(4g)</translation>
    </message>
    <message>
        <source>TARA INC.(5gr)</source>
        <translation>TARA INK.(5g)</translation>
    </message>
    <message>
        <source>TARA INC.(6gr)</source>
        <translation>TARA INK.(6g)</translation>
    </message>
    <message>
        <source>Seriale Centralina</source>
        <translation>Serielle Steuerung</translation>
    </message>
    <message>
        <source>Seriale S. Barcode</source>
        <translation>Serielle Barcodeleser</translation>
    </message>
    <message>
        <source>Seriale S. Scarti</source>
        <translation>Serielle Ausschussstation</translation>
    </message>
    <message>
        <source>Abilita</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Seriali</source>
        <translation>Serielle Anschlüsse</translation>
    </message>
    <message>
        <source>Numero linee</source>
        <translation>Anzahl Linien</translation>
    </message>
    <message>
        <source>Numero Uscite</source>
        <translation>Anzahl Ausgänge</translation>
    </message>
    <message>
        <source>Numero Tazze/L.</source>
        <translation>Becher je Linie</translation>
    </message>
    <message>
        <source>Tipo attiv. Magn.</source>
        <translation>Magnet-Ansteuerung</translation>
    </message>
    <message>
        <source>Durata Att.</source>
        <translation>Ansteuerdauer</translation>
    </message>
    <message>
        <source>Apertura Magneti</source>
        <translation>Magnetöffnung</translation>
    </message>
    <message>
        <source>Fase Zero Encoder</source>
        <translation>Encoder-Nullphase</translation>
    </message>
    <message>
        <source>verso rotazione encoder</source>
        <translation>Drehrichtung Encoder</translation>
    </message>
    <message>
        <source>Macchina</source>
        <translation>Maschine</translation>
    </message>
    <message>
        <source>Lettura I/F</source>
        <translation>Lesung A/E</translation>
    </message>
    <message>
        <source>K-peso</source>
        <translation>K-Gewicht</translation>
    </message>
    <message>
        <source>Qualita linee</source>
        <translation>Linienqualität</translation>
    </message>
    <message>
        <source>Rit. Tara</source>
        <translation>Taraverzög.</translation>
    </message>
    <message>
        <source>Tipo Tara</source>
        <translation>Taraart</translation>
    </message>
    <message>
        <source>Dist. FC</source>
        <translation>FC-Abst.</translation>
    </message>
    <message>
        <source>Durata FC</source>
        <translation>FC-Dauer</translation>
    </message>
    <message>
        <source>ritardo FC</source>
        <translation>FC-Verzögerung</translation>
    </message>
    <message>
        <source>Tara e fine campione</source>
        <translation>Tara und Probenende</translation>
    </message>
    <message>
        <source>Installazione</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>Linea %1</source>
        <translation>Linie %1</translation>
    </message>
    <message>
        <source>Qualità%1</source>
        <translation>Qualität%1</translation>
    </message>
    <message>
        <source>non abilitata</source>
        <translation>nicht aktiviert</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>◄ sinistra</source>
        <translation>◄ links</translation>
    </message>
    <message>
        <source>destra ►</source>
        <translation>rechts ►</translation>
    </message>
    <message>
        <source>Il campo &quot;%1&quot; deve contenere un numero intero.</source>
        <translation>Das Feld „%1“ muss eine ganze Zahl enthalten.</translation>
    </message>
    <message>
        <source>Il campo &quot;%1&quot; deve contenere un numero da 0 a %2: la centralina non ne riceve altri.</source>
        <translation>Das Feld „%1“ muss eine Zahl von 0 bis %2 enthalten: die Steuerung nimmt keine anderen an.</translation>
    </message>
    <message>
        <source>Distanza Uscite</source>
        <translation>Auslassabstand</translation>
    </message>
    <message>
        <source>Nuova password servizio</source>
        <translation>Neues Servicepasswort</translation>
    </message>
    <message>
        <source>Ripeti</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Nuova password azzeramenti</source>
        <translation>Neues Passwort zum Löschen</translation>
    </message>
    <message>
        <source>Password (vuote: restano quelle in uso)</source>
        <translation>Passwörter (leer: die verwendeten bleiben)</translation>
    </message>
    <message>
        <source>La nuova password non è stata scritta uguale due volte.</source>
        <translation>Das neue Passwort wurde nicht zweimal gleich eingegeben.</translation>
    </message>
    <message>
        <source>Numero Macchina</source>
        <translation>Maschinennummer</translation>
    </message>
</context>
<context>
    <name>kv7::installation::Tpasswd</name>
    <message>
        <source>Password Accesso Servizio</source>
        <translation>Service-Zugangspasswort</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Entra</source>
        <translation>Eintreten</translation>
    </message>
</context>
<context>
    <name>kv7::prices::TListino</name>
    <message>
        <source>Listino prezzi</source>
        <translation>Preisliste</translation>
    </message>
    <message>
        <source>Valido dal</source>
        <translation>Gültig ab</translation>
    </message>
    <message>
        <source>Listini</source>
        <translation>Preislisten</translation>
    </message>
    <message>
        <source>Prezzo Scarto (Q5)</source>
        <translation>Preis Ausschuss (Q5)</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Qualita %1</source>
        <translation>Qualität %1</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Prezzo al Kg</source>
        <translation>Preis pro Kg</translation>
    </message>
    <message>
        <source>Programma %1  %2</source>
        <translation>Programm %1  %2</translation>
    </message>
    <message>
        <source>Prezzo non valido: %1</source>
        <translation>Ungültiger Preis: %1</translation>
    </message>
</context>
<context>
    <name>kv7::programs::TListaProgrammi</name>
    <message>
        <source>Lista Programmi</source>
        <translation>Programmliste</translation>
    </message>
    <message>
        <source>Selezionare il programma</source>
        <translation>Programm auswählen</translation>
    </message>
    <message>
        <source>Numero  Programmi</source>
        <translation>Anzahl Programme</translation>
    </message>
</context>
<context>
    <name>kv7::programs::TNewProgram</name>
    <message>
        <source>Programma</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Codice</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Pesi Qualita %1</source>
        <translation>Gewichte Qualität %1</translation>
    </message>
    <message>
        <source>Codice SQL Q5</source>
        <translation>SQL-Code Q5</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Codice SQL</source>
        <translation>SQL-Code</translation>
    </message>
    <message>
        <source>Modifica programma N. </source>
        <translation>Programm bearbeiten Nr. </translation>
    </message>
    <message>
        <source>il campo codice programma deve essere un numero di max 2 cifre!</source>
        <translation>der Programmcode muss eine höchstens zweistellige Zahl sein!</translation>
    </message>
    <message>
        <source>Qualita %1, calibro %2: il peso %3 deve essere un numero intero; il programma non è stato salvato.</source>
        <translation>Qualität %1, Größe %2: das Gewicht %3 muss eine ganze Zahl sein; das Programm wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>massimo</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>minimo</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Il codice programma deve essere un numero da 1 a 98: la centralina non carica programmi con altri numeri. Il programma non è stato salvato.</source>
        <translation>Der Programmcode muss eine Zahl von 1 bis 98 sein: die Steuerung lädt keine Programme mit anderen Nummern. Das Programm wurde nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>kv7::programs::TParProg</name>
    <message>
        <source>Parametri  Programma</source>
        <translation>Programmparameter</translation>
    </message>
    <message>
        <source>Archiviazione</source>
        <translation>Archivierung</translation>
    </message>
    <message>
        <source>Stampa Bolla</source>
        <translation>Lieferschein drucken</translation>
    </message>
    <message>
        <source>Trasmis. al remoto</source>
        <translation>Übertragung an Fernstelle</translation>
    </message>
    <message>
        <source>Stampa grammature</source>
        <translation>Gewichtsklassen drucken</translation>
    </message>
    <message>
        <source>Fine Partita Autom.</source>
        <translation>Automat. Partieende</translation>
    </message>
    <message>
        <source>grammi</source>
        <translation>Gramm</translation>
    </message>
    <message>
        <source>Kilogrammi</source>
        <translation>Kilogramm</translation>
    </message>
    <message>
        <source>Totali espressi in</source>
        <translation>Summen in</translation>
    </message>
    <message>
        <source>Numero Copie Bolle</source>
        <translation>Anzahl Lieferscheinkopien</translation>
    </message>
    <message>
        <source>Sfoglia..</source>
        <translation>Durchsuchen..</translation>
    </message>
    <message>
        <source>Directory esp-AS400</source>
        <translation>Exportordner AS400</translation>
    </message>
    <message>
        <source>Auto Rinfresco Totali</source>
        <translation>Automatische Summenaktualisierung</translation>
    </message>
    <message>
        <source>Avviso limite Percentuale raggiunta</source>
        <translation>Warnung bei erreichtem Prozentgrenzwert</translation>
    </message>
    <message>
        <source>Limite Perc. Q%1</source>
        <translation>Prozentgrenze Q%1</translation>
    </message>
    <message>
        <source>Font Stampe</source>
        <translation>Druckschrift</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Copia PDF della bolla</source>
        <translation>PDF-Kopie des Lieferscheins</translation>
    </message>
</context>
<context>
    <name>kv7::reports::PagePainter</name>
    <message>
        <source> Stampa Programma </source>
        <translation> Programm drucken </translation>
    </message>
    <message>
        <source>LAVORAZIONE</source>
        <translation>VERARBEITUNG</translation>
    </message>
    <message>
        <source>STAMPA BOLLA</source>
        <translation>LIEFERSCHEIN DRUCKEN</translation>
    </message>
    <message>
        <source>Prima Qualita</source>
        <translation>Erste Qualität</translation>
    </message>
    <message>
        <source>Qualita 2</source>
        <translation>Qualität 2</translation>
    </message>
    <message>
        <source>Qualita 3</source>
        <translation>Qualität 3</translation>
    </message>
    <message>
        <source>Qualita 4</source>
        <translation>Qualität 4</translation>
    </message>
    <message>
        <source>Data Bolla: </source>
        <translation>Lieferscheindatum: </translation>
    </message>
    <message>
        <source>Numero Bolla: </source>
        <translation>Lieferscheinnummer: </translation>
    </message>
    <message>
        <source>Numero Registrazione: </source>
        <translation>Registriernummer: </translation>
    </message>
    <message>
        <source>Lotto Bolla: </source>
        <translation>Lieferscheinlos: </translation>
    </message>
    <message>
        <source>Numero Programma:</source>
        <translation>Programmnummer:</translation>
    </message>
    <message>
        <source>Operatore: </source>
        <translation>Bediener: </translation>
    </message>
    <message>
        <source>Descrizione:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Cod. produttore: </source>
        <translation>Erzeugercode: </translation>
    </message>
    <message>
        <source>Descrizione: </source>
        <translation>Beschreibung: </translation>
    </message>
    <message>
        <source>calibro</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Totali</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>Perc.</source>
        <translation>Proz.</translation>
    </message>
    <message>
        <source>Tot.PrimaQ</source>
        <translation>Ges.ErsteQ</translation>
    </message>
    <message>
        <source>Tot.Q2</source>
        <translation>Ges.Q2</translation>
    </message>
    <message>
        <source>Tot.Q5(Scarto)</source>
        <translation>Ges.Q5(Ausschuss)</translation>
    </message>
    <message>
        <source>Tot.Q3</source>
        <translation>Ges.Q3</translation>
    </message>
    <message>
        <source>Tot.Q4</source>
        <translation>Ges.Q4</translation>
    </message>
    <message>
        <source>Tot. Generale</source>
        <translation>Gesamtsumme</translation>
    </message>
    <message>
        <source>n. Casse:</source>
        <translation>Anz. Kisten:</translation>
    </message>
    <message>
        <source>n. Pedane:</source>
        <translation>Anz. Paletten:</translation>
    </message>
    <message>
        <source>note:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>STAMPA PROGRAMMA</source>
        <translation>PROGRAMM DRUCKEN</translation>
    </message>
    <message>
        <source>Qualita %1</source>
        <translation>Qualität %1</translation>
    </message>
    <message>
        <source>STAMPA INSTALLAZIONE</source>
        <translation>INSTALLATION DRUCKEN</translation>
    </message>
    <message>
        <source>Data: </source>
        <translation>Datum: </translation>
    </message>
    <message>
        <source>Numero linee: </source>
        <translation>Anzahl Linien: </translation>
    </message>
    <message>
        <source>Numero tazze: </source>
        <translation>Anzahl Schalen: </translation>
    </message>
    <message>
        <source>Ritardo Tara:</source>
        <translation>Tara-Verzögerung:</translation>
    </message>
    <message>
        <source>Tipo Tara:</source>
        <translation>Tara-Typ:</translation>
    </message>
    <message>
        <source>dir encoder:</source>
        <translation>Encoder-Richtung:</translation>
    </message>
    <message>
        <source>zero encoder:</source>
        <translation>Encoder-Null:</translation>
    </message>
    <message>
        <source>Linea %1</source>
        <translation>Linie %1</translation>
    </message>
    <message>
        <source>ini: </source>
        <translation>Anf: </translation>
    </message>
    <message>
        <source>fine: </source>
        <translation>Ende: </translation>
    </message>
    <message>
        <source>kappa:</source>
        <translation>Kappa:</translation>
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
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>STAMPA PRODUTTORI</source>
        <translation>ERZEUGER DRUCKEN</translation>
    </message>
    <message>
        <source>Costo al Kg.</source>
        <translation>Kosten pro Kg.</translation>
    </message>
    <message>
        <source>L. %1   %2</source>
        <translation>L. %1   %2</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Macchina</source>
        <translation>Maschine</translation>
    </message>
    <message>
        <source>Settimana</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Erzeuger</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Bolle</source>
        <translation>Lieferscheine</translation>
    </message>
    <message>
        <source>Kg dich.</source>
        <translation>Kg dekl.</translation>
    </message>
    <message>
        <source>Kg camp.</source>
        <translation>Kg Probe</translation>
    </message>
    <message>
        <source>Valore:</source>
        <translation>Wert:</translation>
    </message>
    <message>
        <source>%1   (%2 al Kg)</source>
        <translation>%1   (%2 pro Kg)</translation>
    </message>
    <message>
        <source>Listino dal %1</source>
        <translation>Preisliste ab %1</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Ausschuss</translation>
    </message>
    <message>
        <source>Q%1 C%2</source>
        <translation>Q%1 K%2</translation>
    </message>
    <message>
        <source>Senza prezzo: %1</source>
        <translation>Ohne Preis: %1</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Num.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Bolla</source>
        <translation>Lieferschein</translation>
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
        <translation>Ausschuss %</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Valore/Kg</source>
        <translation>Wert/kg</translation>
    </message>
    <message>
        <source>STATISTICHE</source>
        <translation>STATISTIK</translation>
    </message>
    <message>
        <source>ESTRATTO CONTO STAGIONE</source>
        <translation>SAISONAUSZUG</translation>
    </message>
    <message>
        <source>Periodo: %1 - %2</source>
        <translation>Zeitraum: %1 - %2</translation>
    </message>
    <message>
        <source>Produttore: %1</source>
        <translation>Erzeuger: %1</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>%1 al Kg</source>
        <translation>%1 pro Kg</translation>
    </message>
    <message>
        <source>Macchina %1</source>
        <translation>Maschine %1</translation>
    </message>
    <message>
        <source>modificata il %1</source>
        <translation>geändert am %1</translation>
    </message>
</context>
<context>
    <name>kv7::reports::TEstrattoConto</name>
    <message>
        <source>Estratto conto stagione</source>
        <translation>Saisonauszug</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Erzeuger</translation>
    </message>
    <message>
        <source>Dal</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>Al</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>kv7::reports::TImpAzienda</name>
    <message>
        <source>Impostazione Azienda</source>
        <translation>Firmeneinstellungen</translation>
    </message>
    <message>
        <source>&amp;Intestazione (4 righe):</source>
        <translation>&amp;Kopfzeilen (4 Zeilen):</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>kv7::reports::TImpCosti</name>
    <message>
        <source>Impostazione Costi</source>
        <translation>Kosteneinstellung</translation>
    </message>
    <message>
        <source>Persone</source>
        <translation>Personen</translation>
    </message>
    <message>
        <source>Costo orario</source>
        <translation>Stundenkosten</translation>
    </message>
    <message>
        <source>Categoria %1</source>
        <translation>Kategorie %1</translation>
    </message>
    <message>
        <source>Costo orario complessivo</source>
        <translation>Gesamte Stundenkosten</translation>
    </message>
    <message>
        <source>Costo / Minuto</source>
        <translation>Kosten / Minute</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>I valori della categoria %1 sono fuori misura</source>
        <translation>Die Werte der Kategorie %1 liegen außerhalb des Bereichs</translation>
    </message>
</context>
<context>
    <name>kv7::reports::TPrint_boll</name>
    <message>
        <source>stampa programma</source>
        <translation>Programm drucken</translation>
    </message>
    <message>
        <source>stampa installazione</source>
        <translation>Installation drucken</translation>
    </message>
    <message>
        <source>stampa produttori</source>
        <translation>Erzeuger drucken</translation>
    </message>
    <message>
        <source>stampa bolla</source>
        <translation>Lieferschein drucken</translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Salva &amp;PDF</source>
        <translation>&amp;PDF speichern</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>PDF speichern</translation>
    </message>
    <message>
        <source>File PDF non scritto: %1</source>
        <translation>PDF-Datei nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>stampa statistiche</source>
        <translation>Statistik drucken</translation>
    </message>
    <message>
        <source>estratto conto stagione</source>
        <translation>Saisonauszug</translation>
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
        <translation>Linienkalibrierung</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Procedura Automatica</source>
        <translation>Automatischer Ablauf</translation>
    </message>
    <message>
        <source>Inizia</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Peso Campione</source>
        <translation>Mustergewicht</translation>
    </message>
    <message>
        <source>Procedura Manuale</source>
        <translation>Manueller Ablauf</translation>
    </message>
    <message>
        <source>Linea</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>- N° -</source>
        <translation>- Nr. -</translation>
    </message>
    <message>
        <source>- KAPPA -</source>
        <translation>- KAPPA -</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Correzione errori</source>
        <translation>Fehlerkorrektur</translation>
    </message>
    <message>
        <source>Sovrapeso</source>
        <translation>Übergewicht</translation>
    </message>
    <message>
        <source>Sottopeso</source>
        <translation>Untergewicht</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestCelle</name>
    <message>
        <source>Test Celle</source>
        <translation>Wägezellentest</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestEncoder</name>
    <message>
        <source>Test Encoder</source>
        <translation>Encodertest</translation>
    </message>
    <message>
        <source>N. Giro</source>
        <translation>Umdrehung Nr.</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Ultimo Errore</source>
        <translation>Letzter Fehler</translation>
    </message>
    <message>
        <source>Penultimo Errore</source>
        <translation>Vorletzter Fehler</translation>
    </message>
    <message>
        <source>Terzultimo Errore</source>
        <translation>Drittletzter Fehler</translation>
    </message>
    <message>
        <source>Quartultimo Errore</source>
        <translation>Viertletzter Fehler</translation>
    </message>
    <message>
        <source>Quintultimo Errore</source>
        <translation>Fünftletzter Fehler</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestMagneti</name>
    <message>
        <source>Test Magneti</source>
        <translation>Magnettest</translation>
    </message>
    <message>
        <source>Test Dinamico</source>
        <translation>Dynamischer Test</translation>
    </message>
    <message>
        <source>Test Statico</source>
        <translation>Statischer Test</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Uscita N.</source>
        <translation>Ausgang Nr.</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestMem</name>
    <message>
        <source>TEST NETTO MEMORIZZATO</source>
        <translation>TEST GESPEICHERTES NETTO</translation>
    </message>
    <message>
        <source>N. TAZZA</source>
        <translation>BECHER NR.</translation>
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
        <translation>Oszilloskopfunktion</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Globale</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Cattura</source>
        <translation>Erfassen</translation>
    </message>
    <message>
        <source>Linea in esame</source>
        <translation>Geprüfte Linie</translation>
    </message>
    <message>
        <source>Soglia lnnesco</source>
        <translation>Auslöseschwelle</translation>
    </message>
    <message>
        <source>Tazza</source>
        <translation>Becher</translation>
    </message>
    <message>
        <source>minimo</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>massimo</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Lordo Assoluto</source>
        <translation>Absolutes Brutto</translation>
    </message>
    <message>
        <source>Salva su File</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Regolazione Fase</source>
        <translation>Phaseneinstellung</translation>
    </message>
    <message>
        <source>Fase Zero</source>
        <translation>Nullphase</translation>
    </message>
    <message>
        <source>Aggiorna</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Ferma</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>cattura</source>
        <translation>erfassen</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestTazzeVuote</name>
    <message>
        <source>Test Tazze Vuote</source>
        <translation>Leerbechertest</translation>
    </message>
    <message>
        <source>Numero Tazza</source>
        <translation>Bechernummer</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Limite +/-</source>
        <translation>Grenze +/-</translation>
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
        <translation>TARATABELLE</translation>
    </message>
    <message>
        <source>Rinfresca</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>N.</source>
        <translation>Nr.</translation>
    </message>
</context>
<context>
    <name>kv7::stats::TStatistiche</name>
    <message>
        <source>Qualita 1</source>
        <translation>Qualität 1</translation>
    </message>
    <message>
        <source>Qualita 2</source>
        <translation>Qualität 2</translation>
    </message>
    <message>
        <source>Qualita 3</source>
        <translation>Qualität 3</translation>
    </message>
    <message>
        <source>Qualita 4</source>
        <translation>Qualität 4</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Ausschuss</translation>
    </message>
    <message>
        <source>Nessuna bolla nel periodo</source>
        <translation>Kein Lieferschein im Zeitraum</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Calibri: %1</source>
        <translation>Größen: %1</translation>
    </message>
    <message>
        <source>Andamento settimanale: scegliere un produttore</source>
        <translation>Wochenverlauf: einen Erzeuger wählen</translation>
    </message>
    <message>
        <source>Andamento settimanale: %1</source>
        <translation>Wochenverlauf: %1</translation>
    </message>
    <message>
        <source>Archivio non disponibile</source>
        <translation>Archiv nicht verfügbar</translation>
    </message>
    <message>
        <source>File CSV non scritto: %1</source>
        <translation>CSV-Datei nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>Scritto %1</source>
        <translation>Geschrieben %1</translation>
    </message>
    <message>
        <source>Esporta CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>File CSV (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Statistiche</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>&amp;Dal:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;Al:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>&amp;Raggruppa per:</source>
        <translation>&amp;Gruppieren nach:</translation>
    </message>
    <message>
        <source>&amp;Produttore:</source>
        <translation>&amp;Erzeuger:</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Erzeuger</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Macchina</source>
        <translation>Maschine</translation>
    </message>
    <message>
        <source>Settimana</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>A&amp;ggiorna</source>
        <translation>A&amp;ktualisieren</translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Esporta CSV</source>
        <translation>CSV e&amp;xportieren</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Gruppo</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Bolle</source>
        <translation>Lieferscheine</translation>
    </message>
    <message>
        <source>Kg dichiarati</source>
        <translation>Kg deklariert</translation>
    </message>
    <message>
        <source>Kg campionati</source>
        <translation>Kg beprobt</translation>
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
        <translation>Ausschuss %</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Valore/Kg</source>
        <translation>Wert/kg</translation>
    </message>
</context>
<context>
    <name>kv7::ui::TAboutBox</name>
    <message>
        <source>Informazioni</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Versione : %1</source>
        <translation>Version : %1</translation>
    </message>
    <message>
        <source>Nome Prodotto : %1</source>
        <translation>Produktname : %1</translation>
    </message>
</context>
<context>
    <name>kv7::ui::TErr_map</name>
    <message>
        <source>Mappa errori SRD12</source>
        <translation>SRD12-Fehlerübersicht</translation>
    </message>
</context>
<context>
    <name>kv7::ui::THelp</name>
    <message>
        <source>La guida dell&apos;operatore (%1) non è stata trovata in:
%2</source>
        <translation>Das Bedienerhandbuch (%1) wurde nicht gefunden in:
%2</translation>
    </message>
    <message>
        <source>Aiuto - Guida dell&apos;operatore</source>
        <translation>Hilfe - Bedienerhandbuch</translation>
    </message>
</context>
<context>
    <name>kv7::ui::TMain</name>
    <message>
        <source>&amp;Bolla N:</source>
        <translation>&amp;Lieferschein Nr.:</translation>
    </message>
    <message>
        <source>T&amp;otale Partita kg:</source>
        <translation>Partie&amp;summe kg:</translation>
    </message>
    <message>
        <source>Stampa con totale partita</source>
        <translation>Mit Partiesumme drucken</translation>
    </message>
    <message>
        <source>Preview stampa</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Blocco Alimentazione</source>
        <translation>Zuführung gesperrt</translation>
    </message>
    <message>
        <source>Tazza / Tazze bad</source>
        <translation>Schale / Defekte Schalen</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Totali lavorazione</source>
        <translation>Verarbeitungssummen</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Ausschuss</translation>
    </message>
    <message>
        <source>TOTALE</source>
        <translation>GESAMT</translation>
    </message>
    <message>
        <source>Codici a barre</source>
        <translation>Barcodes</translation>
    </message>
    <message>
        <source>Qualita &amp;%1</source>
        <translation>Qualität &amp;%1</translation>
    </message>
    <message>
        <source>Qualita %1</source>
        <translation>Qualität %1</translation>
    </message>
    <message>
        <source>Allarme qualita: premere per tacitare</source>
        <translation>Qualitätsalarm: zum Quittieren drücken</translation>
    </message>
    <message>
        <source>&amp;Lavorazione</source>
        <translation>&amp;Verarbeitung</translation>
    </message>
    <message>
        <source>&amp;Programmi</source>
        <translation>&amp;Programme</translation>
    </message>
    <message>
        <source>&amp;Bolle</source>
        <translation>&amp;Lieferscheine</translation>
    </message>
    <message>
        <source>Pro&amp;duttori</source>
        <translation>&amp;Erzeuger</translation>
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
        <translation>&amp;Ausschuss</translation>
    </message>
    <message>
        <source>Controllo &amp;Remoto</source>
        <translation>&amp;Fernsteuerung</translation>
    </message>
    <message>
        <source>Lin&amp;gua</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Programma  (F2)</source>
        <translation>Programm  (F2)</translation>
    </message>
    <message>
        <source>&amp;Modifica P/U  (F6)</source>
        <translation>&amp;P/U ändern  (F6)</translation>
    </message>
    <message>
        <source>&amp;Azzeramento   (F8)</source>
        <translation>&amp;Nullstellung   (F8)</translation>
    </message>
    <message>
        <source>&amp;Dati   (F3)</source>
        <translation>&amp;Daten   (F3)</translation>
    </message>
    <message>
        <source>&amp;Totali</source>
        <translation>&amp;Summen</translation>
    </message>
    <message>
        <source>&amp;Stampa   (F7)</source>
        <translation>&amp;Drucken   (F7)</translation>
    </message>
    <message>
        <source>&amp;Fine Lavorazione (F9)</source>
        <translation>&amp;Partieende (F9)</translation>
    </message>
    <message>
        <source>&amp;Reset Centralina</source>
        <translation>&amp;Steuerung zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Nuovo</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Modifica</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Cancella</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Nuova</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>esporta per Date</source>
        <translation>nach Datum exportieren</translation>
    </message>
    <message>
        <source>esporta giornaliero</source>
        <translation>Tagesexport</translation>
    </message>
    <message>
        <source>&amp;Azzeramento Bolle</source>
        <translation>&amp;Lieferscheine löschen</translation>
    </message>
    <message>
        <source>&amp;Azzera Produttori</source>
        <translation>&amp;Erzeuger löschen</translation>
    </message>
    <message>
        <source>&amp;Calibratrice</source>
        <translation>&amp;Sortiermaschine</translation>
    </message>
    <message>
        <source>&amp;Programma</source>
        <translation>&amp;Programm</translation>
    </message>
    <message>
        <source>&amp;Salva su Penna USB</source>
        <translation>&amp;Auf USB-Stick sichern</translation>
    </message>
    <message>
        <source>&amp;Ripristina da Penna USB</source>
        <translation>&amp;Vom USB-Stick wiederherstellen</translation>
    </message>
    <message>
        <source>Controllo &amp;CELLE</source>
        <translation>&amp;Wägezellen prüfen</translation>
    </message>
    <message>
        <source>&amp;Memorizzato</source>
        <translation>&amp;Gespeicherte Gewichte</translation>
    </message>
    <message>
        <source>&amp;Encoder</source>
        <translation>&amp;Drehgeber</translation>
    </message>
    <message>
        <source>Controllo &amp;Tazze</source>
        <translation>&amp;Schalen prüfen</translation>
    </message>
    <message>
        <source>Tabella T&amp;ara</source>
        <translation>T&amp;aratabelle</translation>
    </message>
    <message>
        <source>Ca&amp;librazione</source>
        <translation>&amp;Kalibrierung</translation>
    </message>
    <message>
        <source>&amp;Oscilloscopio</source>
        <translation>&amp;Oszilloskop</translation>
    </message>
    <message>
        <source>Aggiorna Tempi Scarti</source>
        <translation>Ausschusszeiten aktualisieren</translation>
    </message>
    <message>
        <source>Mappa errori SRD12</source>
        <translation>SRD12-Fehlerübersicht</translation>
    </message>
    <message>
        <source>Remoto 1</source>
        <translation>Fern 1</translation>
    </message>
    <message>
        <source>Remoto 2</source>
        <translation>Fern 2</translation>
    </message>
    <message>
        <source>Remoto 3</source>
        <translation>Fern 3</translation>
    </message>
    <message>
        <source>Italiano</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Spagnolo</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Portoghese</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <source>Inglese</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Francese</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Tedesco</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Greco</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <source>Cinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <source>Russo</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Indiano</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>&amp;Informazioni</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Controllo Aggiornamenti On-line</source>
        <translation>&amp;Online nach Updates suchen</translation>
    </message>
    <message>
        <source>&amp;Fine</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Costi</source>
        <translation>&amp;Kosten</translation>
    </message>
    <message>
        <source>Produzione oraria = %1 ql/h</source>
        <translation>Stundenleistung = %1 dz/h</translation>
    </message>
    <message>
        <source>Costo L. %1   al Kg. L. %2 (%3)</source>
        <translation>Kosten L. %1   pro Kg. L. %2 (%3)</translation>
    </message>
    <message>
        <source>Qualità %1: % per calibro</source>
        <translation>Qualität %1: % je Größenklasse</translation>
    </message>
    <message>
        <source>&amp;Azienda</source>
        <translation>&amp;Firma</translation>
    </message>
    <message>
        <source>Test Ma&amp;gneti</source>
        <translation>Ma&amp;gnettest</translation>
    </message>
    <message>
        <source>Impostazioni di stampa non salvate: %1</source>
        <translation>Druckeinstellungen nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Costo al Kg. L. %1 %2</source>
        <translation>Kosten pro Kg. L. %1 %2</translation>
    </message>
    <message>
        <source>S&amp;tatistiche</source>
        <translation>S&amp;tatistik</translation>
    </message>
    <message>
        <source>&amp;Listino</source>
        <translation>&amp;Preisliste</translation>
    </message>
    <message>
        <source>&amp;Estratto conto stagione</source>
        <translation>&amp;Saisonauszug</translation>
    </message>
</context>
<context>
    <name>kv7::ui::WholeNumberField</name>
    <message>
        <source>&quot;%1&quot; non è un numero intero: il campo accetta solo numeri interi.</source>
        <translation>„%1“ ist keine ganze Zahl: das Feld nimmt nur ganze Zahlen an.</translation>
    </message>
</context>
<context>
    <name>kv7::web</name>
    <message>
        <source>Num.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Macchina %1</source>
        <translation>Maschine %1</translation>
    </message>
    <message>
        <source>Stato</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Bolla</source>
        <translation>Lieferschein</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Erzeuger</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Macchina</source>
        <translation>Maschine</translation>
    </message>
    <message>
        <source>Kg dichiarati</source>
        <translation>Gemeldete kg</translation>
    </message>
    <message>
        <source>Data non valida (AAAA-MM-GG)</source>
        <translation>Ungültiges Datum (JJJJ-MM-TT)</translation>
    </message>
    <message>
        <source>Macchina non valida</source>
        <translation>Ungültige Maschine</translation>
    </message>
    <message>
        <source>Dal</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>Al</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Filtra</source>
        <translation>Filtern</translation>
    </message>
    <message>
        <source>Kg campionati</source>
        <translation>Gemessene kg</translation>
    </message>
    <message>
        <source>Prima</source>
        <translation>Erste</translation>
    </message>
    <message>
        <source>Precedente</source>
        <translation>Vorherige</translation>
    </message>
    <message>
        <source>Pagina %1 di %2 (%3 bolle)</source>
        <translation>Seite %1 von %2 (%3 Lieferscheine)</translation>
    </message>
    <message>
        <source>Successiva</source>
        <translation>Nächste</translation>
    </message>
    <message>
        <source>Ultima</source>
        <translation>Letzte</translation>
    </message>
    <message>
        <source>Scarica CSV</source>
        <translation>CSV herunterladen</translation>
    </message>
    <message>
        <source>Nessuna bolla</source>
        <translation>Keine Lieferscheine</translation>
    </message>
    <message>
        <source>Bolle</source>
        <translation>Lieferscheine</translation>
    </message>
    <message>
        <source>Archivio non disponibile</source>
        <translation>Archiv nicht verfügbar</translation>
    </message>
    <message>
        <source>Registrazione</source>
        <translation>Registrierung</translation>
    </message>
    <message>
        <source>Lotto</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Operatore</source>
        <translation>Bediener</translation>
    </message>
    <message>
        <source>Casse</source>
        <translation>Kisten</translation>
    </message>
    <message>
        <source>Pedane</source>
        <translation>Paletten</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Modificata il</source>
        <translation>Geändert am</translation>
    </message>
    <message>
        <source>Qualità</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Größenklasse</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Totale qualità</source>
        <translation>Summe Qualität</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Ausschuss</translation>
    </message>
    <message>
        <source>Totale generale</source>
        <translation>Gesamtsumme</translation>
    </message>
    <message>
        <source>Listino dal</source>
        <translation>Preisliste ab</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Prezzo medio al Kg</source>
        <translation>Durchschnittspreis je kg</translation>
    </message>
    <message>
        <source>Kg valutati</source>
        <translation>Bewertete kg</translation>
    </message>
    <message>
        <source>Senza prezzo</source>
        <translation>Ohne Preis</translation>
    </message>
    <message>
        <source>Modifiche</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Nessuna modifica</source>
        <translation>Keine Änderungen</translation>
    </message>
    <message>
        <source>Quando</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Utente</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Finestra</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Azione</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Numero di bolla non valido</source>
        <translation>Ungültige Lieferscheinnummer</translation>
    </message>
    <message>
        <source>Bolla non trovata</source>
        <translation>Lieferschein nicht gefunden</translation>
    </message>
    <message>
        <source>Il programma %1 della bolla non è più in archivio</source>
        <translation>Das Programm %1 des Lieferscheins ist nicht mehr im Archiv</translation>
    </message>
    <message>
        <source>Pesi campionati</source>
        <translation>Gemessene Gewichte</translation>
    </message>
    <message>
        <source>Sul peso dichiarato</source>
        <translation>Auf das gemeldete Gewicht</translation>
    </message>
    <message>
        <source>Bolla %1</source>
        <translation>Lieferschein %1</translation>
    </message>
    <message>
        <source>Raggruppamento non valido</source>
        <translation>Ungültige Gruppierung</translation>
    </message>
    <message>
        <source>Raggruppa per</source>
        <translation>Gruppieren nach</translation>
    </message>
    <message>
        <source>Settimana</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Mostra</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Produzione (kg/h)</source>
        <translation>Produktion (kg/h)</translation>
    </message>
    <message>
        <source>Tazze al minuto</source>
        <translation>Schalen pro Minute</translation>
    </message>
    <message>
        <source>Bolle in attesa</source>
        <translation>Wartende Lieferscheine</translation>
    </message>
    <message>
        <source>Ultimo aggiornamento</source>
        <translation>Letzte Aktualisierung</translation>
    </message>
    <message>
        <source>non risponde</source>
        <translation>antwortet nicht</translation>
    </message>
    <message>
        <source>Qualità %1</source>
        <translation>Qualität %1</translation>
    </message>
    <message>
        <source>Gruppo</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Valore al Kg</source>
        <translation>Wert je kg</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Nessuna bolla nel periodo</source>
        <translation>Keine Lieferscheine im Zeitraum</translation>
    </message>
    <message>
        <source>Qualità per gruppo</source>
        <translation>Qualität je Gruppe</translation>
    </message>
    <message>
        <source>Distribuzione per calibro: %1</source>
        <translation>Verteilung nach Größenklasse: %1</translation>
    </message>
    <message>
        <source>Statistiche</source>
        <translation>Statistiken</translation>
    </message>
    <message>
        <source>Manca il produttore</source>
        <translation>Der Erzeuger fehlt</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Valori prima</source>
        <translation>Werte vorher</translation>
    </message>
    <message>
        <source>Valori dopo</source>
        <translation>Werte nachher</translation>
    </message>
    <message>
        <source>Nessuna macchina ha ancora scritto il suo stato</source>
        <translation>Noch keine Maschine hat ihren Zustand geschrieben</translation>
    </message>
    <message>
        <source>Archivio non raggiungibile</source>
        <translation>Archiv nicht erreichbar</translation>
    </message>
    <message>
        <source>Aggiornamento interrotto: nuovo tentativo in corso</source>
        <translation>Aktualisierung unterbrochen: neuer Versuch läuft</translation>
    </message>
    <message>
        <source>Accesso</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>Utente o password errati</source>
        <translation>Benutzer oder Passwort falsch</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Entra</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Macchine</source>
        <translation>Maschinen</translation>
    </message>
    <message>
        <source>Pagina non trovata</source>
        <translation>Seite nicht gefunden</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Cambia</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Q%1 C%2</source>
        <translation>Q%1 K%2</translation>
    </message>
</context>
</TS>
