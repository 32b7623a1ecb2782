<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="it_IT">
<context>
    <name>BatchMessages</name>
    <message>
        <source>Nuova Bolla N:</source>
        <translation>Nouveau bon N° :</translation>
    </message>
    <message>
        <source>Modifica Bolla N:</source>
        <translation>Modifier bon N° :</translation>
    </message>
    <message>
        <source>Archivio Programmi Vuoto, Rilavorazione impossibile.</source>
        <translation>Archive des programmes vide, retraitement impossible.</translation>
    </message>
    <message>
        <source>Caricamento Programma </source>
        <translation>Chargement du programme </translation>
    </message>
    <message>
        <source>Programma dell archivio INESISTENTE, selezionarne uno dalla lista.</source>
        <translation>Programme INEXISTANT dans l&apos;archive, en choisir un dans la liste.</translation>
    </message>
    <message>
        <source>Numero Programmi</source>
        <translation>Nombre de programmes</translation>
    </message>
    <message>
        <source>Il campo %1 non contiene un numero intero: &quot;%2&quot;. La bolla non è stata salvata.</source>
        <translation>Le champ %1 ne contient pas un nombre entier : &quot;%2&quot;. Le bon n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>Il codice produttore deve essere un numero intero: &quot;%1&quot;.</source>
        <translation>Le code producteur doit être un nombre entier : &quot;%1&quot;.</translation>
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
Console de l&apos;échantillonneuse KV7 ; travaille dans le dossier courant (kv2.log, fichiers de travail).
  -o           contrôleur ancien modèle (ligne à 9600 bauds)
  --help       affiche cette aide et quitte
  --version    affiche la version et quitte
Archive: KV7_DB_HOST, KV7_DB_PORT, KV7_DB_SOCKET, KV7_DB_USER, KV7_DB_PASSWORD, KV7_DB_NAME.
Configuration: KV7_CONFIG_DIR. Avec une archive privée: kv7-db.
</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Il comando %1 non è andato a buon fine</source>
        <translation>La commande %1 a échoué</translation>
    </message>
    <message>
        <source>Il comando %1 non ha ricevuto una risposta corretta</source>
        <translation>La commande %1 n&apos;a pas reçu de réponse correcte</translation>
    </message>
    <message>
        <source>Il comando %1 non ha ricevuto una risposta corretta=%2</source>
        <translation>La commande %1 n&apos;a pas reçu de réponse correcte=%2</translation>
    </message>
    <message>
        <source>Il comando %1 non è stato trasmesso correttamente</source>
        <translation>La commande %1 n&apos;a pas été transmise correctement</translation>
    </message>
    <message>
        <source>Il comando di versione non ha ricevuto una risposta corretta</source>
        <translation>La commande de version n&apos;a pas reçu de réponse correcte</translation>
    </message>
    <message>
        <source>Il comando di type non ha ricevuto una risposta corretta</source>
        <translation>La commande de type n&apos;a pas reçu de réponse correcte</translation>
    </message>
    <message>
        <source>Il comando di controllo rotazione non è stato trasmesso correttamente</source>
        <translation>La commande de contrôle de rotation n&apos;a pas été transmise correctement</translation>
    </message>
    <message>
        <source>Il comando di rotazione non ha ricevuto una risposta corretta</source>
        <translation>La commande de rotation n&apos;a pas reçu de réponse correcte</translation>
    </message>
    <message>
        <source>Il comando di Set rotazione non è stato trasmesso correttamente</source>
        <translation>La commande de réglage de rotation n&apos;a pas été transmise correctement</translation>
    </message>
    <message>
        <source>Il comando di Set rotazione non ha ricevuto una risposta corretta</source>
        <translation>La commande de réglage de rotation n&apos;a pas reçu de réponse correcte</translation>
    </message>
    <message>
        <source>Il comando di Set Delay Tara non è stato trasmesso correttamente</source>
        <translation>La commande de réglage du retard de tare n&apos;a pas été transmise correctement</translation>
    </message>
    <message>
        <source>Il comando di Set Tipo Magneti non è stato trasmesso correttamente</source>
        <translation>La commande de réglage du type d&apos;aimants n&apos;a pas été transmise correctement</translation>
    </message>
    <message>
        <source>Il comando tara tazza non è andato a buon fine</source>
        <translation>La commande de tare des godets a échoué</translation>
    </message>
    <message>
        <source>Il comando di traccia grafica non è stato inviato correttamente</source>
        <translation>La commande de tracé graphique n&apos;a pas été envoyée correctement</translation>
    </message>
    <message>
        <source>Termina Oscilloscopio non eseguito...</source>
        <translation>Arrêt de l&apos;oscilloscope non exécuté...</translation>
    </message>
    <message>
        <source>Il comando di controllo tazze vuote non è stato inviato correttamente</source>
        <translation>La commande de contrôle des godets vides n&apos;a pas été envoyée correctement</translation>
    </message>
    <message>
        <source>Il comando di termina tazze vuote non eseguito</source>
        <translation>Commande de fin de contrôle des godets vides non exécutée</translation>
    </message>
    <message>
        <source>Il comando di calibrazione linee non è stato inviato correttamente</source>
        <translation>La commande d&apos;étalonnage des lignes n&apos;a pas été envoyée correctement</translation>
    </message>
    <message>
        <source>Il comando di termina calibrazione linee non è stato inviato correttamente</source>
        <translation>La commande de fin d&apos;étalonnage des lignes n&apos;a pas été envoyée correctement</translation>
    </message>
    <message>
        <source>0 - SCARTI ON</source>
        <translation>0 - REBUTS ON</translation>
    </message>
    <message>
        <source>1 - attesa scar.</source>
        <translation>1 - att. vidage</translation>
    </message>
    <message>
        <source>2 - SCARICO</source>
        <translation>2 - VIDAGE</translation>
    </message>
    <message>
        <source>3 - ass. tara</source>
        <translation>3 - stab. tare</translation>
    </message>
    <message>
        <source>4 - tara in corso</source>
        <translation>4 - tarage en cours</translation>
    </message>
    <message>
        <source>5 - att. carico</source>
        <translation>5 - att. charge</translation>
    </message>
    <message>
        <source>6 - Carico Sing.</source>
        <translation>6 - Charge simple</translation>
    </message>
    <message>
        <source>7 - Ass. e Accum.</source>
        <translation>7 - Stab. et cumul</translation>
    </message>
    <message>
        <source>8 - Doppia Carico</source>
        <translation>8 - Charge double</translation>
    </message>
    <message>
        <source>9 - Ass. Accum. Pos.</source>
        <translation>9 - Stab. cumul pos.</translation>
    </message>
    <message>
        <source>? - errore scarti</source>
        <translation>? - erreur rebuts</translation>
    </message>
    <message>
        <source>0-SCARTI off</source>
        <translation>0-REBUTS arrêt</translation>
    </message>
    <message>
        <source>errore ciclo on scarti</source>
        <translation>erreur d&apos;activation du cycle de rebut</translation>
    </message>
    <message>
        <source>Errori Centralina Scarti</source>
        <translation>Erreurs du contrôleur de rebuts</translation>
    </message>
    <message>
        <source>Programma Peso = 0</source>
        <translation>Programme poids = 0</translation>
    </message>
    <message>
        <source>Set-Up Singola/Doppia</source>
        <translation>Configuration simple/double</translation>
    </message>
    <message>
        <source>Set-Up i due rele di carico = 0</source>
        <translation>Configuration : les deux relais de charge = 0</translation>
    </message>
    <message>
        <source>Set-Up i due rele di scarico = 0</source>
        <translation>Configuration : les deux relais de vidage = 0</translation>
    </message>
    <message>
        <source>Set-Up k-Peso = 0</source>
        <translation>Configuration k-poids = 0</translation>
    </message>
    <message>
        <source>rele Scarico Destro non assegnato</source>
        <translation>relais de vidage droit non affecté</translation>
    </message>
    <message>
        <source>rele Scarico Sinistro non assegnato</source>
        <translation>relais de vidage gauche non affecté</translation>
    </message>
    <message>
        <source>Doppia manca 1 rele o 1 sensore di carico</source>
        <translation>Double : il manque 1 relais ou 1 capteur de charge</translation>
    </message>
    <message>
        <source>Ciclo On Tara valore errato</source>
        <translation>Cycle on : valeur de tare erronée</translation>
    </message>
    <message>
        <source>seriale Ricezione buffer pieno</source>
        <translation>série : tampon de réception plein</translation>
    </message>
    <message>
        <source>seriale Trasmissione Time-Out</source>
        <translation>série : délai d&apos;émission dépassé</translation>
    </message>
    <message>
        <source>comandi J/K errati</source>
        <translation>commandes J/K erronées</translation>
    </message>
    <message>
        <source>0 - Centralina off</source>
        <translation>0 - Contrôleur arrêté</translation>
    </message>
    <message>
        <source>0 - Accesa</source>
        <translation>0 - Sous tension</translation>
    </message>
    <message>
        <source>1 - Stand By</source>
        <translation>1 - En veille</translation>
    </message>
    <message>
        <source>2 - Attesa Encoder</source>
        <translation>2 - Attente codeur</translation>
    </message>
    <message>
        <source>3 - Tara iniziale</source>
        <translation>3 - Tare initiale</translation>
    </message>
    <message>
        <source>4 - Lavorazione</source>
        <translation>4 - Production</translation>
    </message>
    <message>
        <source>5 - Fine partita</source>
        <translation>5 - Fin de lot</translation>
    </message>
    <message>
        <source>%1tz/s</source>
        <translation>%1 g/s</translation>
    </message>
    <message>
        <source>set Encoder orario</source>
        <translation>codeur en sens horaire</translation>
    </message>
    <message>
        <source>set Encoder antiorario</source>
        <translation>codeur en sens antihoraire</translation>
    </message>
    <message>
        <source>Trasf. %1Mb3 = %2 %</source>
        <translation>Envoi%1vers Mb3 = %2 %</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Bolla temporanea non presente!</source>
        <translation>Aucun bon provisoire !</translation>
    </message>
    <message>
        <source>Vuoi esportare i dati verso AS400 ?</source>
        <translation>Voulez-vous exporter les données vers l’AS400 ?</translation>
    </message>
    <message>
        <source>KV7 Campionatrice</source>
        <translation>KV7 Échantillonneuse</translation>
    </message>
    <message>
        <source>Programma Gestione Calibratrice</source>
        <translation>Logiciel de gestion de la calibreuse</translation>
    </message>
    <message>
        <source>non abilitata</source>
        <translation>désactivée</translation>
    </message>
    <message>
        <source>KV7 Campionatrice%1</source>
        <translation>KV7 Échantillonneuse%1</translation>
    </message>
    <message>
        <source>La centralina è spenta, accenderla per favore!</source>
        <translation>Le boîtier de commande est éteint, veuillez l&apos;allumer !</translation>
    </message>
    <message>
        <source>I totali verranno azzerati, vuoi continuare ?</source>
        <translation>Les totaux seront remis à zéro, voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>richiesta totali della centralina scarti non risposta!</source>
        <translation>la station des rebuts n&apos;a pas répondu à la demande des totaux !</translation>
    </message>
    <message>
        <source>1-SCARTI ON</source>
        <translation>1-REBUTS ON</translation>
    </message>
    <message>
        <source>linea %1 non risponde</source>
        <translation>la ligne %1 ne répond pas</translation>
    </message>
    <message>
        <source>Il programma %1 non è in archivio.</source>
        <translation>Le programme %1 n&apos;est pas dans l&apos;archive.</translation>
    </message>
    <message>
        <source>Il programma %1 non può essere caricato: il codice deve essere un numero da 1 a 98.</source>
        <translation>Le programme %1 ne peut pas être chargé : le code doit être un nombre de 1 à 98.</translation>
    </message>
    <message>
        <source>Il programma è quello corrente; non è possibile cancellarlo!</source>
        <translation>C&apos;est le programme en cours ; impossible de le supprimer !</translation>
    </message>
    <message>
        <source>Tutti i codici da 01 a 98 sono già usati: cancellare un programma.</source>
        <translation>Tous les codes de 01 à 98 sont utilisés : supprimez un programme.</translation>
    </message>
    <message>
        <source>programma %1 non in archivio</source>
        <translation>programme %1 absent des archives</translation>
    </message>
    <message>
        <source>Il campo %1 non contiene un numero intero: &quot;%2&quot;. La bolla non è stata salvata.</source>
        <translation>Le champ %1 ne contient pas un nombre entier : &quot;%2&quot;. Le bon n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>Totale partita deve essere maggiore di zero!</source>
        <translation>Le total de la partie doit être supérieur à zéro !</translation>
    </message>
    <message>
        <source>azzione scarti!</source>
        <translation>action rebuts !</translation>
    </message>
    <message>
        <source>nessun programma caricato</source>
        <translation>aucun programme chargé</translation>
    </message>
    <message>
        <source>Verificare che la macchina sia vuota, premere Yes per eseguire la calibrazione.</source>
        <translation>Vérifiez que la machine est vide, appuyez sur Yes pour lancer l&apos;étalonnage.</translation>
    </message>
    <message>
        <source>La bolla %1 non è stata salvata: %2. I totali restano nella centralina.</source>
        <translation>Le bon %1 n&apos;a pas été enregistré : %2. Les totaux restent dans la centrale.</translation>
    </message>
    <message>
        <source>La bolla %1 è in attesa: sarà archiviata appena il database risponde.</source>
        <translation>Le bon %1 est en attente : il sera archivé dès que la base de données répondra.</translation>
    </message>
    <message>
        <source>Il record della bolla %1 è in attesa: la cartella %2 non è scrivibile.</source>
        <translation>L&apos;enregistrement du bon %1 est en attente : le dossier %2 n&apos;est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>Giornale delle bolle non disponibile: %1</source>
        <translation>Journal des bons indisponible : %1</translation>
    </message>
    <message>
        <source>Esportazione non scritta: %1</source>
        <translation>Exportation non écrite : %1</translation>
    </message>
    <message>
        <source>Lavorazione precedente n: %1</source>
        <translation>Traitement précédent n : %1</translation>
    </message>
    <message>
        <source>%1 bolle in attesa</source>
        <translation>%1 bons en attente</translation>
    </message>
    <message>
        <source>%1 record in attesa</source>
        <translation>%1 enregistrements en attente</translation>
    </message>
    <message>
        <source>Attenzione! le modifiche apportate nel quadro che segue possono alterare il funzionamento della macchina. Si vuole proseguire?</source>
        <translation>Attention ! Les modifications apportées dans la fenêtre suivante peuvent altérer le fonctionnement de la machine. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Com non disponibile nel computer, il programma terminera!</source>
        <translation>Port COM non disponible sur l&apos;ordinateur, le programme va se terminer !</translation>
    </message>
    <message>
        <source>Com Scarti non disponibile nel computer, il programma terminera!</source>
        <translation>Port COM des rebuts non disponible sur l&apos;ordinateur, le programme va se terminer !</translation>
    </message>
    <message>
        <source>Dischetto sul floppy non presente o non leggibile!</source>
        <translation>Disque absent ou illisible !</translation>
    </message>
    <message>
        <source>Salvataggio effettuato!</source>
        <translation>Sauvegarde effectuée !</translation>
    </message>
    <message>
        <source>Ripristino effettuato!</source>
        <translation>Restauration effectuée !</translation>
    </message>
    <message>
        <source>Cancellazione non possibile, Bolla precedente in corso.</source>
        <translation>Suppression impossible, bon précédent en cours.</translation>
    </message>
    <message>
        <source>Cancellare archivio Bolle? non sarà possibile recuperarlo.</source>
        <translation>Supprimer l&apos;archive des bons ? Elle ne pourra pas être récupérée.</translation>
    </message>
    <message>
        <source>Cancellare archivio Produttori? non sarà possibile recuperarlo.</source>
        <translation>Supprimer l&apos;archive des producteurs ? Elle ne pourra pas être récupérée.</translation>
    </message>
    <message>
        <source>Archivio Bolle cancellato!</source>
        <translation>Archive des bons supprimée !</translation>
    </message>
    <message>
        <source>Archivio Produttori cancellato!</source>
        <translation>Archive des producteurs supprimée !</translation>
    </message>
    <message>
        <source>Copia di sicurezza non riuscita: archivio non cancellato.</source>
        <translation>Copie de sécurité échouée : archive non supprimée.</translation>
    </message>
    <message>
        <source>Copia di sicurezza dell&apos;archivio in %1</source>
        <translation>Copie de sécurité de l&apos;archive dans %1</translation>
    </message>
    <message>
        <source>Impossibile avviare il programma di aggiornamento %1</source>
        <translation>Impossible de lancer le programme de mise à jour %1</translation>
    </message>
    <message>
        <source>Termine Memorizzato non accettato!</source>
        <translation>Fin du test mémorisé non acceptée !</translation>
    </message>
    <message>
        <source>Fine funzione oscilloscopio... non eseguita!</source>
        <translation>Fin de la fonction oscilloscope... non exécutée !</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1: le tracce non vengono più salvate.</source>
        <translation>Impossible d&apos;écrire le fichier %1 : les traces ne sont plus enregistrées.</translation>
    </message>
    <message>
        <source>Totali con la bolla archiviata n: %1 (azzerare F8)</source>
        <translation>Totaux avec le bon archivé n: %1 (remise à zéro F8)</translation>
    </message>
    <message>
        <source>La linea %1 non ha dato i totali: la bolla non è stata archiviata. Premere F9 quando la linea risponde.</source>
        <translation>La ligne %1 n&apos;a pas donné ses totaux : le bon n&apos;a pas été archivé. Appuyez sur F9 quand la ligne répond.</translation>
    </message>
    <message>
        <source>%1 bolle rifiutate</source>
        <translation>%1 bons refusés</translation>
    </message>
    <message>
        <source>La bolla %1 è stata rifiutata dall&apos;archivio: %2. Resta nel giornale tra le bolle rifiutate.</source>
        <translation>L&apos;archive a refusé le bon %1 : %2. Il reste dans le journal parmi les bons refusés.</translation>
    </message>
    <message>
        <source>La bolla è stata registrata con il numero %1: il numero %2 è stato preso nel frattempo da un&apos;altra bolla.</source>
        <translation>Le bon a été enregistré sous le numéro %1 : un autre bon a pris entre-temps le numéro %2.</translation>
    </message>
    <message>
        <source>La bolla %1 è stata cancellata dopo l&apos;apertura: le modifiche non sono state salvate.</source>
        <translation>Le bon %1 a été supprimé après son ouverture : les modifications n&apos;ont pas été enregistrées.</translation>
    </message>
    <message>
        <source>La bolla %1 è stata cambiata dopo l&apos;apertura: le modifiche non sono state salvate.</source>
        <translation>Le bon %1 a été modifié après son ouverture : les modifications n&apos;ont pas été enregistrées.</translation>
    </message>
    <message>
        <source>La bolla %1 non esiste più.</source>
        <translation>Le bon %1 n&apos;existe plus.</translation>
    </message>
    <message>
        <source>Errore imprevisto: %1. Il programma viene chiuso.</source>
        <translation>Erreur inattendue : %1. Le programme se ferme.</translation>
    </message>
    <message>
        <source>Configurazione non leggibile (%1): il programma termina senza modificarla.</source>
        <translation>Configuration illisible (%1) : le programme se termine sans la modifier.</translation>
    </message>
    <message>
        <source>Il file non contiene impostazioni dell&apos;installazione: niente ripristinato.</source>
        <translation>Le fichier ne contient aucun réglage de l&apos;installation : rien n&apos;a été restauré.</translation>
    </message>
    <message>
        <source>Le impostazioni del file sono già quelle in uso: niente da ripristinare.</source>
        <translation>Les réglages du fichier sont déjà ceux en service : rien à restaurer.</translation>
    </message>
    <message>
        <source>Impostazioni che il ripristino cambia: %1. Procedere?</source>
        <translation>Réglages que la restauration modifie : %1. Continuer ?</translation>
    </message>
    <message>
        <source>Programma di aggiornamento non installato: %1</source>
        <translation>Programme de mise à jour non installé : %1</translation>
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
        <translation> Chargement du programme </translation>
    </message>
    <message>
        <source> Cancella Programma </source>
        <translation> Supprimer le programme </translation>
    </message>
    <message>
        <source>La centralina è spenta, accenderla per favore!</source>
        <translation>Le contrôleur est éteint : veuillez le mettre en marche !</translation>
    </message>
    <message>
        <source>Il programma %1 non può essere caricato: il codice deve essere un numero da 1 a 98.</source>
        <translation>Le programme %1 ne peut pas être chargé : le code doit être un nombre de 1 à 98.</translation>
    </message>
    <message>
        <source>Il programma è quello corrente; non è possibile cancellarlo!</source>
        <translation>C&apos;est le programme en cours ; impossible de le supprimer !</translation>
    </message>
    <message>
        <source>Tutti i codici da 01 a 98 sono già usati: cancellare un programma.</source>
        <translation>Tous les codes de 01 à 98 sont utilisés : supprimez un programme.</translation>
    </message>
    <message>
        <source>Il programma %1 non è in archivio.</source>
        <translation>Le programme %1 n&apos;est pas dans l&apos;archive.</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TListaBolla</name>
    <message>
        <source>Lista Bolle</source>
        <translation>Liste des bons</translation>
    </message>
    <message>
        <source>Selezionare la Bolla</source>
        <translation>Sélectionner le bon</translation>
    </message>
    <message>
        <source>Numero  Bolle</source>
        <translation>Nombre de bons</translation>
    </message>
    <message>
        <source>Partita</source>
        <translation>Lot</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Rebut</translation>
    </message>
    <message>
        <source>&lt;nuovo produttore&gt;</source>
        <translation>&lt;nouveau producteur&gt;</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TListaProduttori</name>
    <message>
        <source>Lista Produttori</source>
        <translation>Liste des producteurs</translation>
    </message>
    <message>
        <source>Selezionare il produttore</source>
        <translation>Sélectionner le producteur</translation>
    </message>
    <message>
        <source>Numero  Produttori</source>
        <translation>Nombre de producteurs</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TModDati</name>
    <message>
        <source>Bolla ritiro N:</source>
        <translation>Bon de réception N° :</translation>
    </message>
    <message>
        <source>Codice :</source>
        <translation>Code :</translation>
    </message>
    <message>
        <source>Descrizione :</source>
        <translation>Description :</translation>
    </message>
    <message>
        <source>Note :</source>
        <translation>Notes :</translation>
    </message>
    <message>
        <source>Totale Partita kg:</source>
        <translation>Total du lot kg :</translation>
    </message>
    <message>
        <source>Lotto N:</source>
        <translation>Lot N° :</translation>
    </message>
    <message>
        <source>N Casse:</source>
        <translation>Nb caisses :</translation>
    </message>
    <message>
        <source>N Pedane:</source>
        <translation>Nb palettes :</translation>
    </message>
    <message>
        <source>Operatore:</source>
        <translation>Opérateur :</translation>
    </message>
    <message>
        <source>Dati Bolla</source>
        <translation>Données du bon</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Producteur</translation>
    </message>
    <message>
        <source>Cambia</source>
        <translation>Changer</translation>
    </message>
    <message>
        <source>Forza Data </source>
        <translation>Forcer la date </translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TNewBolla</name>
    <message>
        <source>Ripartizione Calibri</source>
        <translation>Répartition par calibre</translation>
    </message>
    <message>
        <source>Nuova Bolla</source>
        <translation>Nouveau bon</translation>
    </message>
    <message>
        <source>Qualita %1</source>
        <translation>Qualité %1</translation>
    </message>
    <message>
        <source>Partita</source>
        <translation>Lot</translation>
    </message>
    <message>
        <source>Cambia</source>
        <translation>Changer</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Enregistrer</translation>
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
        <translation>Total calibre %1, qualité %2</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Rebut</translation>
    </message>
    <message>
        <source>Tot Partita</source>
        <translation>Total lot</translation>
    </message>
    <message>
        <source>num. Casse</source>
        <translation>nb caisses</translation>
    </message>
    <message>
        <source>num. Pedane</source>
        <translation>nb palettes</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Percentuale</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>Qualita 1</source>
        <translation>Qualité 1</translation>
    </message>
    <message>
        <source>Qualita 2</source>
        <translation>Qualité 2</translation>
    </message>
    <message>
        <source>Qualita 3</source>
        <translation>Qualité 3</translation>
    </message>
    <message>
        <source>Qualita 4</source>
        <translation>Qualité 4</translation>
    </message>
    <message>
        <source>TOTALE</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Bolla</source>
        <translation>Bon</translation>
    </message>
    <message>
        <source>Numero</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Lotto</source>
        <translation>Lot</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Producteur</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Codice a Barre</source>
        <translation>Code-barres</translation>
    </message>
    <message>
        <source>Operatore</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>Ricalcolo</source>
        <translation>Recalcul</translation>
    </message>
    <message>
        <source>Valore: %1   (%2 al Kg)   listino dal %3</source>
        <translation>Valeur : %1   (%2 au Kg)   tarif du %3</translation>
    </message>
    <message>
        <source>Q%1 C%2</source>
        <translation>Q%1 C%2</translation>
    </message>
    <message>
        <source>Senza prezzo: %1</source>
        <translation>Sans prix : %1</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TProduttori</name>
    <message>
        <source>Dato Produttore</source>
        <translation>Données du producteur</translation>
    </message>
    <message>
        <source>codice produttore</source>
        <translation>code producteur</translation>
    </message>
    <message>
        <source>descrizione produttore</source>
        <translation>description du producteur</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>kv7::batches::Texpfiltdata</name>
    <message>
        <source>Esporta Bolle con filtro per DATA</source>
        <translation>Exporter les bons filtrés par DATE</translation>
    </message>
    <message>
        <source>Data inizio</source>
        <translation>Date début</translation>
    </message>
    <message>
        <source>Data Fine</source>
        <translation>Date fin</translation>
    </message>
    <message>
        <source>Nomi campi</source>
        <translation>Noms des champs</translation>
    </message>
    <message>
        <source>ESPORTA</source>
        <translation>EXPORTER</translation>
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
        <translation>60% /3 pas</translation>
    </message>
    <message>
        <source>100% /3 Passi</source>
        <translation>100% /3 pas</translation>
    </message>
    <message>
        <source>TARA/LINEA</source>
        <translation>TARE/LIGNE</translation>
    </message>
    <message>
        <source>TARA/TAZZA</source>
        <translation>TARE/GODET</translation>
    </message>
    <message>
        <source>TARA INC.(1gr)</source>
        <translation>TARE INC.(1g)</translation>
    </message>
    <message>
        <source>TARA INC.(2gr)</source>
        <translation>TARE INC.(2g)</translation>
    </message>
    <message>
        <source>TARA INC.(3gr)</source>
        <translation>TARE INC.(3g)</translation>
    </message>
    <message>
        <source>TARA INC.(4gr)</source>
        <translation>TARE INC.(4g)</translation>
    </message>
    <message>
        <source>TARA INC.(5gr)</source>
        <translation>TARE INC.(5g)</translation>
    </message>
    <message>
        <source>TARA INC.(6gr)</source>
        <translation>TARE INC.(6g)</translation>
    </message>
    <message>
        <source>Seriale Centralina</source>
        <translation>Série centrale</translation>
    </message>
    <message>
        <source>Seriale S. Barcode</source>
        <translation>Série lecteur code-barres</translation>
    </message>
    <message>
        <source>Seriale S. Scarti</source>
        <translation>Série station rebuts</translation>
    </message>
    <message>
        <source>Abilita</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Seriali</source>
        <translation>Ports série</translation>
    </message>
    <message>
        <source>Numero linee</source>
        <translation>Nombre de lignes</translation>
    </message>
    <message>
        <source>Numero Uscite</source>
        <translation>Nombre de sorties</translation>
    </message>
    <message>
        <source>Numero Tazze/L.</source>
        <translation>Nombre de godets/L.</translation>
    </message>
    <message>
        <source>Tipo attiv. Magn.</source>
        <translation>Type activ. aimants</translation>
    </message>
    <message>
        <source>Durata Att.</source>
        <translation>Durée activ.</translation>
    </message>
    <message>
        <source>Apertura Magneti</source>
        <translation>Ouverture aimants</translation>
    </message>
    <message>
        <source>Fase Zero Encoder</source>
        <translation>Phase zéro codeur</translation>
    </message>
    <message>
        <source>verso rotazione encoder</source>
        <translation>sens de rotation codeur</translation>
    </message>
    <message>
        <source>Macchina</source>
        <translation>Machine</translation>
    </message>
    <message>
        <source>Lettura I/F</source>
        <translation>Lecture D/F</translation>
    </message>
    <message>
        <source>K-peso</source>
        <translation>K-poids</translation>
    </message>
    <message>
        <source>Qualita linee</source>
        <translation>Qualité lignes</translation>
    </message>
    <message>
        <source>Rit. Tara</source>
        <translation>Retard tare</translation>
    </message>
    <message>
        <source>Tipo Tara</source>
        <translation>Type tare</translation>
    </message>
    <message>
        <source>Dist. FC</source>
        <translation>Dist. FC</translation>
    </message>
    <message>
        <source>Durata FC</source>
        <translation>Durée FC</translation>
    </message>
    <message>
        <source>ritardo FC</source>
        <translation>retard FC</translation>
    </message>
    <message>
        <source>Tara e fine campione</source>
        <translation>Tare et fin d&apos;échantillon</translation>
    </message>
    <message>
        <source>Installazione</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>Linea %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>Qualità%1</source>
        <translation>Qualité%1</translation>
    </message>
    <message>
        <source>non abilitata</source>
        <translation>désactivée</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>◄ sinistra</source>
        <translation>◄ gauche</translation>
    </message>
    <message>
        <source>destra ►</source>
        <translation>droite ►</translation>
    </message>
    <message>
        <source>Il campo &quot;%1&quot; deve contenere un numero intero.</source>
        <translation>Le champ « %1 » doit contenir un nombre entier.</translation>
    </message>
    <message>
        <source>Il campo &quot;%1&quot; deve contenere un numero da 0 a %2: la centralina non ne riceve altri.</source>
        <translation>Le champ « %1 » doit contenir un nombre de 0 à %2 : le contrôleur n&apos;en reçoit pas d&apos;autres.</translation>
    </message>
    <message>
        <source>Distanza Uscite</source>
        <translation>Distance sorties</translation>
    </message>
    <message>
        <source>Nuova password servizio</source>
        <translation>Nouveau mot de passe de service</translation>
    </message>
    <message>
        <source>Ripeti</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>Nuova password azzeramenti</source>
        <translation>Nouveau mot de passe de remise à zéro</translation>
    </message>
    <message>
        <source>Password (vuote: restano quelle in uso)</source>
        <translation>Mots de passe (vides : ceux en service restent)</translation>
    </message>
    <message>
        <source>La nuova password non è stata scritta uguale due volte.</source>
        <translation>Le nouveau mot de passe n&apos;a pas été saisi deux fois à l&apos;identique.</translation>
    </message>
    <message>
        <source>Numero Macchina</source>
        <translation>Numéro de machine</translation>
    </message>
</context>
<context>
    <name>kv7::installation::Tpasswd</name>
    <message>
        <source>Password Accesso Servizio</source>
        <translation>Mot de passe d&apos;accès service</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Entra</source>
        <translation>Entrer</translation>
    </message>
</context>
<context>
    <name>kv7::prices::TListino</name>
    <message>
        <source>Listino prezzi</source>
        <translation>Tarif</translation>
    </message>
    <message>
        <source>Valido dal</source>
        <translation>Valable du</translation>
    </message>
    <message>
        <source>Listini</source>
        <translation>Tarifs</translation>
    </message>
    <message>
        <source>Prezzo Scarto (Q5)</source>
        <translation>Prix Rebut (Q5)</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Qualita %1</source>
        <translation>Qualité %1</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>Prezzo al Kg</source>
        <translation>Prix au Kg</translation>
    </message>
    <message>
        <source>Programma %1  %2</source>
        <translation>Programme %1  %2</translation>
    </message>
    <message>
        <source>Prezzo non valido: %1</source>
        <translation>Prix non valable : %1</translation>
    </message>
</context>
<context>
    <name>kv7::programs::TListaProgrammi</name>
    <message>
        <source>Lista Programmi</source>
        <translation>Liste des programmes</translation>
    </message>
    <message>
        <source>Selezionare il programma</source>
        <translation>Sélectionnez le programme</translation>
    </message>
    <message>
        <source>Numero  Programmi</source>
        <translation>Nombre de programmes</translation>
    </message>
</context>
<context>
    <name>kv7::programs::TNewProgram</name>
    <message>
        <source>Programma</source>
        <translation>Programme</translation>
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
        <translation>Poids qualité %1</translation>
    </message>
    <message>
        <source>Codice SQL Q5</source>
        <translation>Code SQL Q5</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>Codice SQL</source>
        <translation>Code SQL</translation>
    </message>
    <message>
        <source>Modifica programma N. </source>
        <translation>Modifier le programme n° </translation>
    </message>
    <message>
        <source>il campo codice programma deve essere un numero di max 2 cifre!</source>
        <translation>le code programme doit être un nombre de 2 chiffres au plus !</translation>
    </message>
    <message>
        <source>Qualita %1, calibro %2: il peso %3 deve essere un numero intero; il programma non è stato salvato.</source>
        <translation>Qualité %1, calibre %2 : le poids %3 doit être un nombre entier ; le programme n&apos;a pas été enregistré.</translation>
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
        <translation>Le code programme doit être un nombre de 1 à 98 : le contrôleur ne charge pas de programmes avec d&apos;autres numéros. Le programme n&apos;a pas été enregistré.</translation>
    </message>
</context>
<context>
    <name>kv7::programs::TParProg</name>
    <message>
        <source>Parametri  Programma</source>
        <translation>Paramètres du programme</translation>
    </message>
    <message>
        <source>Archiviazione</source>
        <translation>Archivage</translation>
    </message>
    <message>
        <source>Stampa Bolla</source>
        <translation>Imprimer le bon</translation>
    </message>
    <message>
        <source>Trasmis. al remoto</source>
        <translation>Transmission à distance</translation>
    </message>
    <message>
        <source>Stampa grammature</source>
        <translation>Imprimer les grammages</translation>
    </message>
    <message>
        <source>Fine Partita Autom.</source>
        <translation>Fin de lot autom.</translation>
    </message>
    <message>
        <source>grammi</source>
        <translation>grammes</translation>
    </message>
    <message>
        <source>Kilogrammi</source>
        <translation>Kilogrammes</translation>
    </message>
    <message>
        <source>Totali espressi in</source>
        <translation>Totaux exprimés en</translation>
    </message>
    <message>
        <source>Numero Copie Bolle</source>
        <translation>Nombre de copies du bon</translation>
    </message>
    <message>
        <source>Sfoglia..</source>
        <translation>Parcourir..</translation>
    </message>
    <message>
        <source>Directory esp-AS400</source>
        <translation>Dossier export AS400</translation>
    </message>
    <message>
        <source>Auto Rinfresco Totali</source>
        <translation>Actualisation automatique des totaux</translation>
    </message>
    <message>
        <source>Avviso limite Percentuale raggiunta</source>
        <translation>Alerte limite de pourcentage atteinte</translation>
    </message>
    <message>
        <source>Limite Perc. Q%1</source>
        <translation>Limite pourc. Q%1</translation>
    </message>
    <message>
        <source>Font Stampe</source>
        <translation>Police d&apos;impression</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Copia PDF della bolla</source>
        <translation>Copie PDF du bon</translation>
    </message>
</context>
<context>
    <name>kv7::reports::PagePainter</name>
    <message>
        <source> Stampa Programma </source>
        <translation> Imprimer Programme </translation>
    </message>
    <message>
        <source>LAVORAZIONE</source>
        <translation>TRAITEMENT</translation>
    </message>
    <message>
        <source>STAMPA BOLLA</source>
        <translation>IMPRIMER BON</translation>
    </message>
    <message>
        <source>Prima Qualita</source>
        <translation>Première Qualité</translation>
    </message>
    <message>
        <source>Qualita 2</source>
        <translation>Qualité 2</translation>
    </message>
    <message>
        <source>Qualita 3</source>
        <translation>Qualité 3</translation>
    </message>
    <message>
        <source>Qualita 4</source>
        <translation>Qualité 4</translation>
    </message>
    <message>
        <source>Data Bolla: </source>
        <translation>Date Bon: </translation>
    </message>
    <message>
        <source>Numero Bolla: </source>
        <translation>Numéro Bon: </translation>
    </message>
    <message>
        <source>Numero Registrazione: </source>
        <translation>Numéro Enregistrement: </translation>
    </message>
    <message>
        <source>Lotto Bolla: </source>
        <translation>Lot Bon: </translation>
    </message>
    <message>
        <source>Numero Programma:</source>
        <translation>Numéro Programme:</translation>
    </message>
    <message>
        <source>Operatore: </source>
        <translation>Opérateur: </translation>
    </message>
    <message>
        <source>Descrizione:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Cod. produttore: </source>
        <translation>Code producteur: </translation>
    </message>
    <message>
        <source>Descrizione: </source>
        <translation>Description : </translation>
    </message>
    <message>
        <source>calibro</source>
        <translation>calibre</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>Totali</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>Perc.</source>
        <translation>Pourc.</translation>
    </message>
    <message>
        <source>Tot.PrimaQ</source>
        <translation>Tot.PremièreQ</translation>
    </message>
    <message>
        <source>Tot.Q2</source>
        <translation>Tot.Q2</translation>
    </message>
    <message>
        <source>Tot.Q5(Scarto)</source>
        <translation>Tot.Q5(Rebut)</translation>
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
        <translation>Total Général</translation>
    </message>
    <message>
        <source>n. Casse:</source>
        <translation>n. Caisses :</translation>
    </message>
    <message>
        <source>n. Pedane:</source>
        <translation>n. Palettes :</translation>
    </message>
    <message>
        <source>note:</source>
        <translation>notes :</translation>
    </message>
    <message>
        <source>STAMPA PROGRAMMA</source>
        <translation>IMPRIMER PROGRAMME</translation>
    </message>
    <message>
        <source>Qualita %1</source>
        <translation>Qualité %1</translation>
    </message>
    <message>
        <source>STAMPA INSTALLAZIONE</source>
        <translation>IMPRIMER INSTALLATION</translation>
    </message>
    <message>
        <source>Data: </source>
        <translation>Date : </translation>
    </message>
    <message>
        <source>Numero linee: </source>
        <translation>Nombre de lignes : </translation>
    </message>
    <message>
        <source>Numero tazze: </source>
        <translation>Nombre de godets : </translation>
    </message>
    <message>
        <source>Ritardo Tara:</source>
        <translation>Retard Tare :</translation>
    </message>
    <message>
        <source>Tipo Tara:</source>
        <translation>Type Tare :</translation>
    </message>
    <message>
        <source>dir encoder:</source>
        <translation>dir codeur :</translation>
    </message>
    <message>
        <source>zero encoder:</source>
        <translation>zéro codeur :</translation>
    </message>
    <message>
        <source>Linea %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>ini: </source>
        <translation>déb : </translation>
    </message>
    <message>
        <source>fine: </source>
        <translation>fin : </translation>
    </message>
    <message>
        <source>kappa:</source>
        <translation>kappa :</translation>
    </message>
    <message>
        <source>Qual: </source>
        <translation>Qual : </translation>
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
        <translation>IMPRIMER PRODUCTEURS</translation>
    </message>
    <message>
        <source>Costo al Kg.</source>
        <translation>Coût au Kg.</translation>
    </message>
    <message>
        <source>L. %1   %2</source>
        <translation>L. %1   %2</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Macchina</source>
        <translation>Machine</translation>
    </message>
    <message>
        <source>Settimana</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Producteur</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Bolle</source>
        <translation>Bons</translation>
    </message>
    <message>
        <source>Valore:</source>
        <translation>Valeur :</translation>
    </message>
    <message>
        <source>%1   (%2 al Kg)</source>
        <translation>%1   (%2 au Kg)</translation>
    </message>
    <message>
        <source>Listino dal %1</source>
        <translation>Tarif du %1</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Rebut</translation>
    </message>
    <message>
        <source>Q%1 C%2</source>
        <translation>Q%1 C%2</translation>
    </message>
    <message>
        <source>Senza prezzo: %1</source>
        <translation>Sans prix : %1</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Num.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Bolla</source>
        <translation>Bon</translation>
    </message>
    <message>
        <source>Kg dich.</source>
        <translation>Kg décl.</translation>
    </message>
    <message>
        <source>Kg camp.</source>
        <translation>Kg échant.</translation>
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
        <translation>Rebut %</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Valore/Kg</source>
        <translation>Valeur/kg</translation>
    </message>
    <message>
        <source>STATISTICHE</source>
        <translation>STATISTIQUES</translation>
    </message>
    <message>
        <source>ESTRATTO CONTO STAGIONE</source>
        <translation>RELEVÉ DE SAISON</translation>
    </message>
    <message>
        <source>Periodo: %1 - %2</source>
        <translation>Période : %1 - %2</translation>
    </message>
    <message>
        <source>Produttore: %1</source>
        <translation>Producteur : %1</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>%1 al Kg</source>
        <translation>%1 au Kg</translation>
    </message>
    <message>
        <source>Macchina %1</source>
        <translation>Machine %1</translation>
    </message>
    <message>
        <source>modificata il %1</source>
        <translation>modifié le %1</translation>
    </message>
</context>
<context>
    <name>kv7::reports::TEstrattoConto</name>
    <message>
        <source>Estratto conto stagione</source>
        <translation>Relevé de saison</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Producteur</translation>
    </message>
    <message>
        <source>Dal</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>Al</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>kv7::reports::TImpAzienda</name>
    <message>
        <source>Impostazione Azienda</source>
        <translation>Paramètres Entreprise</translation>
    </message>
    <message>
        <source>&amp;Intestazione (4 righe):</source>
        <translation>&amp;En-tête (4 lignes) :</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>kv7::reports::TImpCosti</name>
    <message>
        <source>Impostazione Costi</source>
        <translation>Réglage des coûts</translation>
    </message>
    <message>
        <source>Persone</source>
        <translation>Personnes</translation>
    </message>
    <message>
        <source>Costo orario</source>
        <translation>Coût horaire</translation>
    </message>
    <message>
        <source>Categoria %1</source>
        <translation>Catégorie %1</translation>
    </message>
    <message>
        <source>Costo orario complessivo</source>
        <translation>Coût horaire total</translation>
    </message>
    <message>
        <source>Costo / Minuto</source>
        <translation>Coût / Minute</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>I valori della categoria %1 sono fuori misura</source>
        <translation>Les valeurs de la catégorie %1 sont hors limites</translation>
    </message>
</context>
<context>
    <name>kv7::reports::TPrint_boll</name>
    <message>
        <source>stampa programma</source>
        <translation>imprimer programme</translation>
    </message>
    <message>
        <source>stampa installazione</source>
        <translation>imprimer installation</translation>
    </message>
    <message>
        <source>stampa produttori</source>
        <translation>imprimer producteurs</translation>
    </message>
    <message>
        <source>stampa bolla</source>
        <translation>imprimer bon</translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Salva &amp;PDF</source>
        <translation>Enregistrer &amp;PDF</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Enregistrer PDF</translation>
    </message>
    <message>
        <source>File PDF non scritto: %1</source>
        <translation>Fichier PDF non écrit : %1</translation>
    </message>
    <message>
        <source>stampa statistiche</source>
        <translation>imprimer statistiques</translation>
    </message>
    <message>
        <source>estratto conto stagione</source>
        <translation>relevé de saison</translation>
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
        <translation>Étalonnage des lignes</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Procedura Automatica</source>
        <translation>Procédure automatique</translation>
    </message>
    <message>
        <source>Inizia</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Peso Campione</source>
        <translation>Poids étalon</translation>
    </message>
    <message>
        <source>Procedura Manuale</source>
        <translation>Procédure manuelle</translation>
    </message>
    <message>
        <source>Linea</source>
        <translation>Ligne</translation>
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
        <translation>Poids</translation>
    </message>
    <message>
        <source>Correzione errori</source>
        <translation>Correction des erreurs</translation>
    </message>
    <message>
        <source>Sovrapeso</source>
        <translation>Surpoids</translation>
    </message>
    <message>
        <source>Sottopeso</source>
        <translation>Sous-poids</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestCelle</name>
    <message>
        <source>Test Celle</source>
        <translation>Test des cellules</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestEncoder</name>
    <message>
        <source>Test Encoder</source>
        <translation>Test codeur</translation>
    </message>
    <message>
        <source>N. Giro</source>
        <translation>N. Tour</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Ultimo Errore</source>
        <translation>Dernière erreur</translation>
    </message>
    <message>
        <source>Penultimo Errore</source>
        <translation>Avant-dernière erreur</translation>
    </message>
    <message>
        <source>Terzultimo Errore</source>
        <translation>Troisième dernière erreur</translation>
    </message>
    <message>
        <source>Quartultimo Errore</source>
        <translation>Quatrième dernière erreur</translation>
    </message>
    <message>
        <source>Quintultimo Errore</source>
        <translation>Cinquième dernière erreur</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestMagneti</name>
    <message>
        <source>Test Magneti</source>
        <translation>Test aimants</translation>
    </message>
    <message>
        <source>Test Dinamico</source>
        <translation>Test dynamique</translation>
    </message>
    <message>
        <source>Test Statico</source>
        <translation>Test statique</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Uscita N.</source>
        <translation>Sortie N.</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestMem</name>
    <message>
        <source>TEST NETTO MEMORIZZATO</source>
        <translation>TEST NET MÉMORISÉ</translation>
    </message>
    <message>
        <source>N. TAZZA</source>
        <translation>N. GODET</translation>
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
        <translation>Fonction oscilloscope</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Globale</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Cattura</source>
        <translation>Capturer</translation>
    </message>
    <message>
        <source>Linea in esame</source>
        <translation>Ligne examinée</translation>
    </message>
    <message>
        <source>Soglia lnnesco</source>
        <translation>Seuil de déclenchement</translation>
    </message>
    <message>
        <source>Tazza</source>
        <translation>Godet</translation>
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
        <translation>Brut absolu</translation>
    </message>
    <message>
        <source>Salva su File</source>
        <translation>Enregistrer dans un fichier</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Regolazione Fase</source>
        <translation>Réglage de phase</translation>
    </message>
    <message>
        <source>Fase Zero</source>
        <translation>Phase zéro</translation>
    </message>
    <message>
        <source>Aggiorna</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Ferma</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>cattura</source>
        <translation>capturer</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestTazzeVuote</name>
    <message>
        <source>Test Tazze Vuote</source>
        <translation>Test godets vides</translation>
    </message>
    <message>
        <source>Numero Tazza</source>
        <translation>Numéro godet</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Limite +/-</source>
        <translation>Limite +/-</translation>
    </message>
    <message>
        <source>gr</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Début</translation>
    </message>
</context>
<context>
    <name>kv7::service::Ttabtara</name>
    <message>
        <source>TABELLA TARA</source>
        <translation>TABLE DE TARE</translation>
    </message>
    <message>
        <source>Rinfresca</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>N.</source>
        <translation>N°</translation>
    </message>
</context>
<context>
    <name>kv7::stats::TStatistiche</name>
    <message>
        <source>Qualita 1</source>
        <translation>Qualité 1</translation>
    </message>
    <message>
        <source>Qualita 2</source>
        <translation>Qualité 2</translation>
    </message>
    <message>
        <source>Qualita 3</source>
        <translation>Qualité 3</translation>
    </message>
    <message>
        <source>Qualita 4</source>
        <translation>Qualité 4</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Rebut</translation>
    </message>
    <message>
        <source>Nessuna bolla nel periodo</source>
        <translation>Aucun bon dans la période</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Calibri: %1</source>
        <translation>Calibres : %1</translation>
    </message>
    <message>
        <source>Andamento settimanale: scegliere un produttore</source>
        <translation>Évolution hebdomadaire : choisir un producteur</translation>
    </message>
    <message>
        <source>Andamento settimanale: %1</source>
        <translation>Évolution hebdomadaire : %1</translation>
    </message>
    <message>
        <source>Archivio non disponibile</source>
        <translation>Archives non disponibles</translation>
    </message>
    <message>
        <source>File CSV non scritto: %1</source>
        <translation>Fichier CSV non écrit : %1</translation>
    </message>
    <message>
        <source>Scritto %1</source>
        <translation>Écrit %1</translation>
    </message>
    <message>
        <source>Esporta CSV</source>
        <translation>Exporter CSV</translation>
    </message>
    <message>
        <source>File CSV (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Statistiche</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>&amp;Dal:</source>
        <translation>&amp;Du :</translation>
    </message>
    <message>
        <source>&amp;Al:</source>
        <translation>&amp;Au :</translation>
    </message>
    <message>
        <source>&amp;Raggruppa per:</source>
        <translation>&amp;Grouper par :</translation>
    </message>
    <message>
        <source>&amp;Produttore:</source>
        <translation>&amp;Producteur :</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Producteur</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Macchina</source>
        <translation>Machine</translation>
    </message>
    <message>
        <source>Settimana</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>A&amp;ggiorna</source>
        <translation>A&amp;ctualiser</translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Esporta CSV</source>
        <translation>E&amp;xporter CSV</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Gruppo</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Bolle</source>
        <translation>Bons</translation>
    </message>
    <message>
        <source>Kg dichiarati</source>
        <translation>Kg déclarés</translation>
    </message>
    <message>
        <source>Kg campionati</source>
        <translation>Kg échantillonnés</translation>
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
        <translation>Rebut %</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Valore/Kg</source>
        <translation>Valeur/kg</translation>
    </message>
</context>
<context>
    <name>kv7::ui::TAboutBox</name>
    <message>
        <source>Informazioni</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Versione : %1</source>
        <translation>Version : %1</translation>
    </message>
    <message>
        <source>Nome Prodotto : %1</source>
        <translation>Nom du produit : %1</translation>
    </message>
</context>
<context>
    <name>kv7::ui::TErr_map</name>
    <message>
        <source>Mappa errori SRD12</source>
        <translation>Carte des erreurs SRD12</translation>
    </message>
</context>
<context>
    <name>kv7::ui::THelp</name>
    <message>
        <source>La guida dell&apos;operatore (%1) non è stata trovata in:
%2</source>
        <translation>Le guide de l&apos;opérateur (%1) est introuvable dans :
%2</translation>
    </message>
    <message>
        <source>Aiuto - Guida dell&apos;operatore</source>
        <translation>Aide - Guide de l&apos;opérateur</translation>
    </message>
</context>
<context>
    <name>kv7::ui::TMain</name>
    <message>
        <source>&amp;Bolla N:</source>
        <translation>&amp;Bon n° :</translation>
    </message>
    <message>
        <source>T&amp;otale Partita kg:</source>
        <translation>T&amp;otal lot kg :</translation>
    </message>
    <message>
        <source>Stampa con totale partita</source>
        <translation>Imprimer avec le total du lot</translation>
    </message>
    <message>
        <source>Preview stampa</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Blocco Alimentazione</source>
        <translation>Alimentation bloquée</translation>
    </message>
    <message>
        <source>Tazza / Tazze bad</source>
        <translation>Godet / Godets défectueux</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Totali lavorazione</source>
        <translation>Totaux de production</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Rebut</translation>
    </message>
    <message>
        <source>TOTALE</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>Codici a barre</source>
        <translation>Codes-barres</translation>
    </message>
    <message>
        <source>Qualita &amp;%1</source>
        <translation>Qualité &amp;%1</translation>
    </message>
    <message>
        <source>Qualita %1</source>
        <translation>Qualité %1</translation>
    </message>
    <message>
        <source>Allarme qualita: premere per tacitare</source>
        <translation>Alarme qualité : appuyer pour acquitter</translation>
    </message>
    <message>
        <source>&amp;Lavorazione</source>
        <translation>&amp;Production</translation>
    </message>
    <message>
        <source>&amp;Programmi</source>
        <translation>&amp;Programmes</translation>
    </message>
    <message>
        <source>&amp;Bolle</source>
        <translation>&amp;Bons</translation>
    </message>
    <message>
        <source>Pro&amp;duttori</source>
        <translation>Pro&amp;ducteurs</translation>
    </message>
    <message>
        <source>&amp;Installazione</source>
        <translation>&amp;Installation</translation>
    </message>
    <message>
        <source>A&amp;ssistenza</source>
        <translation>&amp;Maintenance</translation>
    </message>
    <message>
        <source>S&amp;carti</source>
        <translation>&amp;Rebuts</translation>
    </message>
    <message>
        <source>Controllo &amp;Remoto</source>
        <translation>Commande à &amp;distance</translation>
    </message>
    <message>
        <source>Lin&amp;gua</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Programma  (F2)</source>
        <translation>Programme  (F2)</translation>
    </message>
    <message>
        <source>&amp;Modifica P/U  (F6)</source>
        <translation>&amp;Modifier P/U  (F6)</translation>
    </message>
    <message>
        <source>&amp;Azzeramento   (F8)</source>
        <translation>&amp;Remise à zéro   (F8)</translation>
    </message>
    <message>
        <source>&amp;Dati   (F3)</source>
        <translation>&amp;Données   (F3)</translation>
    </message>
    <message>
        <source>&amp;Totali</source>
        <translation>&amp;Totaux</translation>
    </message>
    <message>
        <source>&amp;Stampa   (F7)</source>
        <translation>&amp;Imprimer   (F7)</translation>
    </message>
    <message>
        <source>&amp;Fine Lavorazione (F9)</source>
        <translation>&amp;Fin de lot (F9)</translation>
    </message>
    <message>
        <source>&amp;Reset Centralina</source>
        <translation>&amp;Réinitialiser le contrôleur</translation>
    </message>
    <message>
        <source>&amp;Nuovo</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Modifica</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Cancella</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Nuova</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>esporta per Date</source>
        <translation>exporter par dates</translation>
    </message>
    <message>
        <source>esporta giornaliero</source>
        <translation>exporter la journée</translation>
    </message>
    <message>
        <source>&amp;Azzeramento Bolle</source>
        <translation>&amp;Effacer les bons de livraison</translation>
    </message>
    <message>
        <source>&amp;Azzera Produttori</source>
        <translation>&amp;Effacer les producteurs</translation>
    </message>
    <message>
        <source>&amp;Calibratrice</source>
        <translation>&amp;Calibreuse</translation>
    </message>
    <message>
        <source>&amp;Programma</source>
        <translation>&amp;Programme</translation>
    </message>
    <message>
        <source>&amp;Salva su Penna USB</source>
        <translation>&amp;Enregistrer sur clé USB</translation>
    </message>
    <message>
        <source>&amp;Ripristina da Penna USB</source>
        <translation>&amp;Restaurer depuis la clé USB</translation>
    </message>
    <message>
        <source>Controllo &amp;CELLE</source>
        <translation>Contrôle des &amp;cellules</translation>
    </message>
    <message>
        <source>&amp;Memorizzato</source>
        <translation>&amp;Poids mémorisés</translation>
    </message>
    <message>
        <source>&amp;Encoder</source>
        <translation>&amp;Codeur</translation>
    </message>
    <message>
        <source>Controllo &amp;Tazze</source>
        <translation>Contrôle des &amp;godets</translation>
    </message>
    <message>
        <source>Tabella T&amp;ara</source>
        <translation>Table des t&amp;ares</translation>
    </message>
    <message>
        <source>Ca&amp;librazione</source>
        <translation>É&amp;talonnage</translation>
    </message>
    <message>
        <source>&amp;Oscilloscopio</source>
        <translation>&amp;Oscilloscope</translation>
    </message>
    <message>
        <source>Aggiorna Tempi Scarti</source>
        <translation>Mettre à jour les temps de rebut</translation>
    </message>
    <message>
        <source>Mappa errori SRD12</source>
        <translation>Carte des erreurs SRD12</translation>
    </message>
    <message>
        <source>Remoto 1</source>
        <translation>Distant 1</translation>
    </message>
    <message>
        <source>Remoto 2</source>
        <translation>Distant 2</translation>
    </message>
    <message>
        <source>Remoto 3</source>
        <translation>Distant 3</translation>
    </message>
    <message>
        <source>Italiano</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Spagnolo</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Portoghese</source>
        <translation>Portugais</translation>
    </message>
    <message>
        <source>Inglese</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>Francese</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Tedesco</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Greco</source>
        <translation>Grec</translation>
    </message>
    <message>
        <source>Cinese</source>
        <translation>Chinois</translation>
    </message>
    <message>
        <source>Russo</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Indiano</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>&amp;Informazioni</source>
        <translation>&amp;À propos</translation>
    </message>
    <message>
        <source>&amp;Controllo Aggiornamenti On-line</source>
        <translation>&amp;Rechercher des mises à jour en ligne</translation>
    </message>
    <message>
        <source>&amp;Fine</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Costi</source>
        <translation>&amp;Coûts</translation>
    </message>
    <message>
        <source>Produzione oraria = %1 ql/h</source>
        <translation>Production horaire = %1 ql/h</translation>
    </message>
    <message>
        <source>Costo L. %1   al Kg. L. %2 (%3)</source>
        <translation>Coût L. %1   au Kg. L. %2 (%3)</translation>
    </message>
    <message>
        <source>Qualità %1: % per calibro</source>
        <translation>Qualité %1 : % par calibre</translation>
    </message>
    <message>
        <source>&amp;Azienda</source>
        <translation>&amp;Entreprise</translation>
    </message>
    <message>
        <source>Test Ma&amp;gneti</source>
        <translation>Test ai&amp;mants</translation>
    </message>
    <message>
        <source>Impostazioni di stampa non salvate: %1</source>
        <translation>Paramètres d&apos;impression non enregistrés : %1</translation>
    </message>
    <message>
        <source>Costo al Kg. L. %1 %2</source>
        <translation>Coût au Kg. L. %1 %2</translation>
    </message>
    <message>
        <source>S&amp;tatistiche</source>
        <translation>S&amp;tatistiques</translation>
    </message>
    <message>
        <source>&amp;Listino</source>
        <translation>&amp;Tarif</translation>
    </message>
    <message>
        <source>&amp;Estratto conto stagione</source>
        <translation>&amp;Relevé de saison</translation>
    </message>
</context>
<context>
    <name>kv7::ui::WholeNumberField</name>
    <message>
        <source>&quot;%1&quot; non è un numero intero: il campo accetta solo numeri interi.</source>
        <translation>« %1 » n&apos;est pas un nombre entier : le champ n&apos;accepte que des nombres entiers.</translation>
    </message>
</context>
<context>
    <name>kv7::web</name>
    <message>
        <source>Num.</source>
        <translation>N°</translation>
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
        <translation>État</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Bolla</source>
        <translation>Bon</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Producteur</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Macchina</source>
        <translation>Machine</translation>
    </message>
    <message>
        <source>Kg dichiarati</source>
        <translation>Kg déclarés</translation>
    </message>
    <message>
        <source>Data non valida (AAAA-MM-GG)</source>
        <translation>Date non valide (AAAA-MM-JJ)</translation>
    </message>
    <message>
        <source>Macchina non valida</source>
        <translation>Machine non valide</translation>
    </message>
    <message>
        <source>Dal</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>Al</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Filtra</source>
        <translation>Filtrer</translation>
    </message>
    <message>
        <source>Kg campionati</source>
        <translation>Kg échantillonnés</translation>
    </message>
    <message>
        <source>Prima</source>
        <translation>Première</translation>
    </message>
    <message>
        <source>Precedente</source>
        <translation>Précédente</translation>
    </message>
    <message>
        <source>Pagina %1 di %2 (%3 bolle)</source>
        <translation>Page %1 sur %2 (%3 bons)</translation>
    </message>
    <message>
        <source>Successiva</source>
        <translation>Suivante</translation>
    </message>
    <message>
        <source>Ultima</source>
        <translation>Dernière</translation>
    </message>
    <message>
        <source>Scarica CSV</source>
        <translation>Télécharger CSV</translation>
    </message>
    <message>
        <source>Nessuna bolla</source>
        <translation>Aucun bon</translation>
    </message>
    <message>
        <source>Bolle</source>
        <translation>Bons</translation>
    </message>
    <message>
        <source>Archivio non disponibile</source>
        <translation>Archive non disponible</translation>
    </message>
    <message>
        <source>Registrazione</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Lotto</source>
        <translation>Lot</translation>
    </message>
    <message>
        <source>Operatore</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>Casse</source>
        <translation>Caisses</translation>
    </message>
    <message>
        <source>Pedane</source>
        <translation>Palettes</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Modificata il</source>
        <translation>Modifié le</translation>
    </message>
    <message>
        <source>Qualità</source>
        <translation>Qualité</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>Totale qualità</source>
        <translation>Total qualité</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Rebut</translation>
    </message>
    <message>
        <source>Totale generale</source>
        <translation>Total général</translation>
    </message>
    <message>
        <source>Listino dal</source>
        <translation>Tarif du</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Prezzo medio al Kg</source>
        <translation>Prix moyen au kg</translation>
    </message>
    <message>
        <source>Kg valutati</source>
        <translation>Kg valorisés</translation>
    </message>
    <message>
        <source>Senza prezzo</source>
        <translation>Sans prix</translation>
    </message>
    <message>
        <source>Modifiche</source>
        <translation>Modifications</translation>
    </message>
    <message>
        <source>Nessuna modifica</source>
        <translation>Aucune modification</translation>
    </message>
    <message>
        <source>Quando</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>Utente</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Finestra</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Azione</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Numero di bolla non valido</source>
        <translation>Numéro de bon non valide</translation>
    </message>
    <message>
        <source>Bolla non trovata</source>
        <translation>Bon introuvable</translation>
    </message>
    <message>
        <source>Il programma %1 della bolla non è più in archivio</source>
        <translation>Le programme %1 du bon n&apos;est plus dans l&apos;archive</translation>
    </message>
    <message>
        <source>Pesi campionati</source>
        <translation>Poids échantillonnés</translation>
    </message>
    <message>
        <source>Sul peso dichiarato</source>
        <translation>Sur le poids déclaré</translation>
    </message>
    <message>
        <source>Bolla %1</source>
        <translation>Bon %1</translation>
    </message>
    <message>
        <source>Raggruppamento non valido</source>
        <translation>Regroupement non valide</translation>
    </message>
    <message>
        <source>Raggruppa per</source>
        <translation>Regrouper par</translation>
    </message>
    <message>
        <source>Settimana</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Mostra</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Produzione (kg/h)</source>
        <translation>Production (kg/h)</translation>
    </message>
    <message>
        <source>Tazze al minuto</source>
        <translation>Godets par minute</translation>
    </message>
    <message>
        <source>Bolle in attesa</source>
        <translation>Bons en attente</translation>
    </message>
    <message>
        <source>Ultimo aggiornamento</source>
        <translation>Dernière mise à jour</translation>
    </message>
    <message>
        <source>non risponde</source>
        <translation>ne répond pas</translation>
    </message>
    <message>
        <source>Qualità %1</source>
        <translation>Qualité %1</translation>
    </message>
    <message>
        <source>Gruppo</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Valore al Kg</source>
        <translation>Valeur au kg</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Nessuna bolla nel periodo</source>
        <translation>Aucun bon dans la période</translation>
    </message>
    <message>
        <source>Qualità per gruppo</source>
        <translation>Qualité par groupe</translation>
    </message>
    <message>
        <source>Distribuzione per calibro: %1</source>
        <translation>Répartition par calibre : %1</translation>
    </message>
    <message>
        <source>Nessuna macchina ha ancora scritto il suo stato</source>
        <translation>Aucune machine n&apos;a encore écrit son état</translation>
    </message>
    <message>
        <source>Archivio non raggiungibile</source>
        <translation>Archive injoignable</translation>
    </message>
    <message>
        <source>Aggiornamento interrotto: nuovo tentativo in corso</source>
        <translation>Mise à jour interrompue : nouvel essai en cours</translation>
    </message>
    <message>
        <source>Accesso</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Utente o password errati</source>
        <translation>Utilisateur ou mot de passe erroné</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Entra</source>
        <translation>Entrer</translation>
    </message>
    <message>
        <source>Macchine</source>
        <translation>Machines</translation>
    </message>
    <message>
        <source>Pagina non trovata</source>
        <translation>Page introuvable</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Cambia</source>
        <translation>Changer</translation>
    </message>
    <message>
        <source>Statistiche</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Manca il produttore</source>
        <translation>Le producteur manque</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Valori prima</source>
        <translation>Valeurs avant</translation>
    </message>
    <message>
        <source>Valori dopo</source>
        <translation>Valeurs après</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Déconnexion</translation>
    </message>
    <message>
        <source>Q%1 C%2</source>
        <translation>Q%1 C%2</translation>
    </message>
</context>
</TS>
