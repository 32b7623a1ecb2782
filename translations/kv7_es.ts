<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="it_IT">
<context>
    <name>BatchMessages</name>
    <message>
        <source>Nuova Bolla N:</source>
        <translation>Nuevo albarán N.:</translation>
    </message>
    <message>
        <source>Modifica Bolla N:</source>
        <translation>Modificar albarán N.:</translation>
    </message>
    <message>
        <source>Archivio Programmi Vuoto, Rilavorazione impossibile.</source>
        <translation>Archivo de programas vacío, reprocesado imposible.</translation>
    </message>
    <message>
        <source>Caricamento Programma </source>
        <translation>Carga de programa </translation>
    </message>
    <message>
        <source>Programma dell archivio INESISTENTE, selezionarne uno dalla lista.</source>
        <translation>El programa NO EXISTE en el archivo, seleccione uno de la lista.</translation>
    </message>
    <message>
        <source>Numero Programmi</source>
        <translation>Número de programas</translation>
    </message>
    <message>
        <source>Il campo %1 non contiene un numero intero: &quot;%2&quot;. La bolla non è stata salvata.</source>
        <translation>El campo %1 no contiene un número entero: &quot;%2&quot;. El albarán no se ha guardado.</translation>
    </message>
    <message>
        <source>Il codice produttore deve essere un numero intero: &quot;%1&quot;.</source>
        <translation>El código de productor debe ser un número entero: &quot;%1&quot;.</translation>
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
Consola de la muestreadora KV7; trabaja en la carpeta actual (kv2.log, archivos de trabajo).
  -o           controlador de tipo antiguo (línea a 9600 baudios)
  --help       muestra esta ayuda y sale
  --version    muestra la versión y sale
Archivo: KV7_DB_HOST, KV7_DB_PORT, KV7_DB_SOCKET, KV7_DB_USER, KV7_DB_PASSWORD, KV7_DB_NAME.
Configuración: KV7_CONFIG_DIR. Con un archivo privado: kv7-db.
</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Il comando %1 non è andato a buon fine</source>
        <translation>El comando %1 ha fallado</translation>
    </message>
    <message>
        <source>Il comando %1 non ha ricevuto una risposta corretta</source>
        <translation>El comando %1 no recibió una respuesta correcta</translation>
    </message>
    <message>
        <source>Il comando %1 non ha ricevuto una risposta corretta=%2</source>
        <translation>El comando %1 no recibió una respuesta correcta=%2</translation>
    </message>
    <message>
        <source>Il comando %1 non è stato trasmesso correttamente</source>
        <translation>El comando %1 no se transmitió correctamente</translation>
    </message>
    <message>
        <source>Il comando di versione non ha ricevuto una risposta corretta</source>
        <translation>El comando de versión no recibió una respuesta correcta</translation>
    </message>
    <message>
        <source>Il comando di type non ha ricevuto una risposta corretta</source>
        <translation>El comando de tipo no recibió una respuesta correcta</translation>
    </message>
    <message>
        <source>Il comando di controllo rotazione non è stato trasmesso correttamente</source>
        <translation>El comando de control de rotación no se transmitió correctamente</translation>
    </message>
    <message>
        <source>Il comando di rotazione non ha ricevuto una risposta corretta</source>
        <translation>El comando de rotación no recibió una respuesta correcta</translation>
    </message>
    <message>
        <source>Il comando di Set rotazione non è stato trasmesso correttamente</source>
        <translation>El comando de ajuste de rotación no se transmitió correctamente</translation>
    </message>
    <message>
        <source>Il comando di Set rotazione non ha ricevuto una risposta corretta</source>
        <translation>El comando de ajuste de rotación no recibió una respuesta correcta</translation>
    </message>
    <message>
        <source>Il comando di Set Delay Tara non è stato trasmesso correttamente</source>
        <translation>El comando de ajuste del retardo de tara no se transmitió correctamente</translation>
    </message>
    <message>
        <source>Il comando di Set Tipo Magneti non è stato trasmesso correttamente</source>
        <translation>El comando de ajuste del tipo de imanes no se transmitió correctamente</translation>
    </message>
    <message>
        <source>Il comando tara tazza non è andato a buon fine</source>
        <translation>El comando de tara de cazoleta ha fallado</translation>
    </message>
    <message>
        <source>Il comando di traccia grafica non è stato inviato correttamente</source>
        <translation>El comando de traza gráfica no se envió correctamente</translation>
    </message>
    <message>
        <source>Termina Oscilloscopio non eseguito...</source>
        <translation>Cierre del osciloscopio no ejecutado...</translation>
    </message>
    <message>
        <source>Il comando di controllo tazze vuote non è stato inviato correttamente</source>
        <translation>El comando de control de cazoletas vacías no se envió correctamente</translation>
    </message>
    <message>
        <source>Il comando di termina tazze vuote non eseguito</source>
        <translation>Comando de fin de cazoletas vacías no ejecutado</translation>
    </message>
    <message>
        <source>Il comando di calibrazione linee non è stato inviato correttamente</source>
        <translation>El comando de calibración de líneas no se envió correctamente</translation>
    </message>
    <message>
        <source>Il comando di termina calibrazione linee non è stato inviato correttamente</source>
        <translation>El comando de fin de calibración de líneas no se envió correctamente</translation>
    </message>
    <message>
        <source>0 - SCARTI ON</source>
        <translation>0 - DESCARTES ON</translation>
    </message>
    <message>
        <source>1 - attesa scar.</source>
        <translation>1 - espera desc.</translation>
    </message>
    <message>
        <source>2 - SCARICO</source>
        <translation>2 - DESCARGA</translation>
    </message>
    <message>
        <source>3 - ass. tara</source>
        <translation>3 - asent. tara</translation>
    </message>
    <message>
        <source>4 - tara in corso</source>
        <translation>4 - tarando</translation>
    </message>
    <message>
        <source>5 - att. carico</source>
        <translation>5 - esp. carga</translation>
    </message>
    <message>
        <source>6 - Carico Sing.</source>
        <translation>6 - Carga simple</translation>
    </message>
    <message>
        <source>7 - Ass. e Accum.</source>
        <translation>7 - Asent. y acum.</translation>
    </message>
    <message>
        <source>8 - Doppia Carico</source>
        <translation>8 - Carga doble</translation>
    </message>
    <message>
        <source>9 - Ass. Accum. Pos.</source>
        <translation>9 - Asent. acum. pos.</translation>
    </message>
    <message>
        <source>? - errore scarti</source>
        <translation>? - error descartes</translation>
    </message>
    <message>
        <source>0-SCARTI off</source>
        <translation>0-DESCARTES off</translation>
    </message>
    <message>
        <source>errore ciclo on scarti</source>
        <translation>error al activar el ciclo de descartes</translation>
    </message>
    <message>
        <source>Errori Centralina Scarti</source>
        <translation>Errores del controlador de descartes</translation>
    </message>
    <message>
        <source>Programma Peso = 0</source>
        <translation>Programa peso = 0</translation>
    </message>
    <message>
        <source>Set-Up Singola/Doppia</source>
        <translation>Configuración simple/doble</translation>
    </message>
    <message>
        <source>Set-Up i due rele di carico = 0</source>
        <translation>Configuración: los dos relés de carga = 0</translation>
    </message>
    <message>
        <source>Set-Up i due rele di scarico = 0</source>
        <translation>Configuración: los dos relés de descarga = 0</translation>
    </message>
    <message>
        <source>Set-Up k-Peso = 0</source>
        <translation>Configuración k-peso = 0</translation>
    </message>
    <message>
        <source>rele Scarico Destro non assegnato</source>
        <translation>relé de descarga derecho no asignado</translation>
    </message>
    <message>
        <source>rele Scarico Sinistro non assegnato</source>
        <translation>relé de descarga izquierdo no asignado</translation>
    </message>
    <message>
        <source>Doppia manca 1 rele o 1 sensore di carico</source>
        <translation>Doble: falta 1 relé o 1 sensor de carga</translation>
    </message>
    <message>
        <source>Ciclo On Tara valore errato</source>
        <translation>Ciclo On: valor de tara erróneo</translation>
    </message>
    <message>
        <source>seriale Ricezione buffer pieno</source>
        <translation>serie: búfer de recepción lleno</translation>
    </message>
    <message>
        <source>seriale Trasmissione Time-Out</source>
        <translation>serie: tiempo de transmisión agotado</translation>
    </message>
    <message>
        <source>comandi J/K errati</source>
        <translation>comandos J/K erróneos</translation>
    </message>
    <message>
        <source>0 - Centralina off</source>
        <translation>0 - Controlador apagado</translation>
    </message>
    <message>
        <source>0 - Accesa</source>
        <translation>0 - Encendida</translation>
    </message>
    <message>
        <source>1 - Stand By</source>
        <translation>1 - En espera</translation>
    </message>
    <message>
        <source>2 - Attesa Encoder</source>
        <translation>2 - Espera encoder</translation>
    </message>
    <message>
        <source>3 - Tara iniziale</source>
        <translation>3 - Tara inicial</translation>
    </message>
    <message>
        <source>4 - Lavorazione</source>
        <translation>4 - Producción</translation>
    </message>
    <message>
        <source>5 - Fine partita</source>
        <translation>5 - Fin de lote</translation>
    </message>
    <message>
        <source>%1tz/s</source>
        <translation>%1 cz/s</translation>
    </message>
    <message>
        <source>set Encoder orario</source>
        <translation>encoder en sentido horario</translation>
    </message>
    <message>
        <source>set Encoder antiorario</source>
        <translation>encoder en sentido antihorario</translation>
    </message>
    <message>
        <source>Trasf. %1Mb3 = %2 %</source>
        <translation>Envío%1a Mb3 = %2 %</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Bolla temporanea non presente!</source>
        <translation>¡No hay albarán provisional!</translation>
    </message>
    <message>
        <source>Vuoi esportare i dati verso AS400 ?</source>
        <translation>¿Desea exportar los datos al AS400?</translation>
    </message>
    <message>
        <source>KV7 Campionatrice</source>
        <translation>KV7 Muestreadora</translation>
    </message>
    <message>
        <source>Programma Gestione Calibratrice</source>
        <translation>Programa de gestión de la calibradora</translation>
    </message>
    <message>
        <source>non abilitata</source>
        <translation>no habilitada</translation>
    </message>
    <message>
        <source>KV7 Campionatrice%1</source>
        <translation>KV7 Muestreadora%1</translation>
    </message>
    <message>
        <source>La centralina è spenta, accenderla per favore!</source>
        <translation>La centralita está apagada, ¡enciéndala por favor!</translation>
    </message>
    <message>
        <source>I totali verranno azzerati, vuoi continuare ?</source>
        <translation>Los totales se pondrán a cero, ¿desea continuar?</translation>
    </message>
    <message>
        <source>richiesta totali della centralina scarti non risposta!</source>
        <translation>¡la centralita de descartes no respondió a la petición de totales!</translation>
    </message>
    <message>
        <source>1-SCARTI ON</source>
        <translation>1-DESCARTES ON</translation>
    </message>
    <message>
        <source>linea %1 non risponde</source>
        <translation>la línea %1 no responde</translation>
    </message>
    <message>
        <source>Il programma %1 non è in archivio.</source>
        <translation>El programa %1 no está en el archivo.</translation>
    </message>
    <message>
        <source>Il programma %1 non può essere caricato: il codice deve essere un numero da 1 a 98.</source>
        <translation>No se puede cargar el programa %1: el código debe ser un número de 1 a 98.</translation>
    </message>
    <message>
        <source>Il programma è quello corrente; non è possibile cancellarlo!</source>
        <translation>Es el programa en uso; ¡no se puede borrar!</translation>
    </message>
    <message>
        <source>Tutti i codici da 01 a 98 sono già usati: cancellare un programma.</source>
        <translation>Todos los códigos de 01 a 98 ya están en uso: borre un programa.</translation>
    </message>
    <message>
        <source>programma %1 non in archivio</source>
        <translation>programa %1 no está en el archivo</translation>
    </message>
    <message>
        <source>Il campo %1 non contiene un numero intero: &quot;%2&quot;. La bolla non è stata salvata.</source>
        <translation>El campo %1 no contiene un número entero: &quot;%2&quot;. El albarán no se ha guardado.</translation>
    </message>
    <message>
        <source>Totale partita deve essere maggiore di zero!</source>
        <translation>¡El total de la partida debe ser mayor que cero!</translation>
    </message>
    <message>
        <source>azzione scarti!</source>
        <translation>¡acción descartes!</translation>
    </message>
    <message>
        <source>nessun programma caricato</source>
        <translation>ningún programa cargado</translation>
    </message>
    <message>
        <source>Verificare che la macchina sia vuota, premere Yes per eseguire la calibrazione.</source>
        <translation>Verifique que la máquina esté vacía, pulse Yes para ejecutar la calibración.</translation>
    </message>
    <message>
        <source>La bolla %1 non è stata salvata: %2. I totali restano nella centralina.</source>
        <translation>El albarán %1 no se ha guardado: %2. Los totales quedan en la centralita.</translation>
    </message>
    <message>
        <source>La bolla %1 è in attesa: sarà archiviata appena il database risponde.</source>
        <translation>El albarán %1 está en espera: se archivará en cuanto responda la base de datos.</translation>
    </message>
    <message>
        <source>Il record della bolla %1 è in attesa: la cartella %2 non è scrivibile.</source>
        <translation>El registro del albarán %1 está en espera: la carpeta %2 no se puede escribir.</translation>
    </message>
    <message>
        <source>Giornale delle bolle non disponibile: %1</source>
        <translation>Diario de albaranes no disponible: %1</translation>
    </message>
    <message>
        <source>Esportazione non scritta: %1</source>
        <translation>Exportación no escrita: %1</translation>
    </message>
    <message>
        <source>Lavorazione precedente n: %1</source>
        <translation>Elaboración anterior n: %1</translation>
    </message>
    <message>
        <source>%1 bolle in attesa</source>
        <translation>%1 albaranes en espera</translation>
    </message>
    <message>
        <source>%1 record in attesa</source>
        <translation>%1 registros en espera</translation>
    </message>
    <message>
        <source>Attenzione! le modifiche apportate nel quadro che segue possono alterare il funzionamento della macchina. Si vuole proseguire?</source>
        <translation>¡Atención! Los cambios realizados en la ventana siguiente pueden alterar el funcionamiento de la máquina. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Com non disponibile nel computer, il programma terminera!</source>
        <translation>¡Puerto COM no disponible en el ordenador, el programa terminará!</translation>
    </message>
    <message>
        <source>Com Scarti non disponibile nel computer, il programma terminera!</source>
        <translation>¡Puerto COM de descartes no disponible en el ordenador, el programa terminará!</translation>
    </message>
    <message>
        <source>Dischetto sul floppy non presente o non leggibile!</source>
        <translation>¡Disco no presente o no legible!</translation>
    </message>
    <message>
        <source>Salvataggio effettuato!</source>
        <translation>¡Guardado efectuado!</translation>
    </message>
    <message>
        <source>Ripristino effettuato!</source>
        <translation>¡Restauración efectuada!</translation>
    </message>
    <message>
        <source>Cancellazione non possibile, Bolla precedente in corso.</source>
        <translation>No es posible borrar, albarán anterior en curso.</translation>
    </message>
    <message>
        <source>Cancellare archivio Bolle? non sarà possibile recuperarlo.</source>
        <translation>¿Borrar el archivo de albaranes? No se podrá recuperar.</translation>
    </message>
    <message>
        <source>Cancellare archivio Produttori? non sarà possibile recuperarlo.</source>
        <translation>¿Borrar el archivo de productores? No se podrá recuperar.</translation>
    </message>
    <message>
        <source>Archivio Bolle cancellato!</source>
        <translation>¡Archivo de albaranes borrado!</translation>
    </message>
    <message>
        <source>Archivio Produttori cancellato!</source>
        <translation>¡Archivo de productores borrado!</translation>
    </message>
    <message>
        <source>Copia di sicurezza non riuscita: archivio non cancellato.</source>
        <translation>Copia de seguridad fallida: archivo no borrado.</translation>
    </message>
    <message>
        <source>Copia di sicurezza dell&apos;archivio in %1</source>
        <translation>Copia de seguridad del archivo en %1</translation>
    </message>
    <message>
        <source>Impossibile avviare il programma di aggiornamento %1</source>
        <translation>No se puede iniciar el programa de actualización %1</translation>
    </message>
    <message>
        <source>Termine Memorizzato non accettato!</source>
        <translation>¡Fin de memorizado no aceptado!</translation>
    </message>
    <message>
        <source>Fine funzione oscilloscopio... non eseguita!</source>
        <translation>Fin de la función osciloscopio... ¡no ejecutada!</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1: le tracce non vengono più salvate.</source>
        <translation>No se puede escribir el archivo %1: las trazas ya no se guardan.</translation>
    </message>
    <message>
        <source>Totali con la bolla archiviata n: %1 (azzerare F8)</source>
        <translation>Totales con el albarán archivado n: %1 (poner a cero F8)</translation>
    </message>
    <message>
        <source>La linea %1 non ha dato i totali: la bolla non è stata archiviata. Premere F9 quando la linea risponde.</source>
        <translation>La línea %1 no ha dado los totales: el albarán no se ha archivado. Pulse F9 cuando la línea responda.</translation>
    </message>
    <message>
        <source>%1 bolle rifiutate</source>
        <translation>%1 albaranes rechazados</translation>
    </message>
    <message>
        <source>La bolla %1 è stata rifiutata dall&apos;archivio: %2. Resta nel giornale tra le bolle rifiutate.</source>
        <translation>El archivo ha rechazado el albarán %1: %2. Queda en el diario entre los albaranes rechazados.</translation>
    </message>
    <message>
        <source>La bolla è stata registrata con il numero %1: il numero %2 è stato preso nel frattempo da un&apos;altra bolla.</source>
        <translation>El albarán se ha registrado con el número %1: otro albarán tomó entretanto el número %2.</translation>
    </message>
    <message>
        <source>La bolla %1 è stata cancellata dopo l&apos;apertura: le modifiche non sono state salvate.</source>
        <translation>El albarán %1 se borró después de abrirlo: los cambios no se han guardado.</translation>
    </message>
    <message>
        <source>La bolla %1 è stata cambiata dopo l&apos;apertura: le modifiche non sono state salvate.</source>
        <translation>El albarán %1 se modificó después de abrirlo: los cambios no se han guardado.</translation>
    </message>
    <message>
        <source>La bolla %1 non esiste più.</source>
        <translation>El albarán %1 ya no existe.</translation>
    </message>
    <message>
        <source>Errore imprevisto: %1. Il programma viene chiuso.</source>
        <translation>Error inesperado: %1. El programa se cierra.</translation>
    </message>
    <message>
        <source>Configurazione non leggibile (%1): il programma termina senza modificarla.</source>
        <translation>Configuración ilegible (%1): el programa termina sin modificarla.</translation>
    </message>
    <message>
        <source>Il file non contiene impostazioni dell&apos;installazione: niente ripristinato.</source>
        <translation>El archivo no contiene ajustes de la instalación: no se ha restaurado nada.</translation>
    </message>
    <message>
        <source>Le impostazioni del file sono già quelle in uso: niente da ripristinare.</source>
        <translation>Los ajustes del archivo ya son los que están en uso: nada que restaurar.</translation>
    </message>
    <message>
        <source>Impostazioni che il ripristino cambia: %1. Procedere?</source>
        <translation>Ajustes que cambia la restauración: %1. ¿Continuar?</translation>
    </message>
    <message>
        <source>Programma di aggiornamento non installato: %1</source>
        <translation>Programa de actualización no instalado: %1</translation>
    </message>
    <message>
        <source>%1 - Macchina %2</source>
        <translation>%1 - Máquina %2</translation>
    </message>
</context>
<context>
    <name>ProgramMessages</name>
    <message>
        <source> Caricamento Programma </source>
        <translation> Carga de programa </translation>
    </message>
    <message>
        <source> Cancella Programma </source>
        <translation> Borrar programa </translation>
    </message>
    <message>
        <source>La centralina è spenta, accenderla per favore!</source>
        <translation>El controlador está apagado: ¡enciéndalo, por favor!</translation>
    </message>
    <message>
        <source>Il programma %1 non può essere caricato: il codice deve essere un numero da 1 a 98.</source>
        <translation>No se puede cargar el programa %1: el código debe ser un número de 1 a 98.</translation>
    </message>
    <message>
        <source>Il programma è quello corrente; non è possibile cancellarlo!</source>
        <translation>Es el programa en uso; ¡no se puede borrar!</translation>
    </message>
    <message>
        <source>Tutti i codici da 01 a 98 sono già usati: cancellare un programma.</source>
        <translation>Todos los códigos de 01 a 98 ya están en uso: borre un programa.</translation>
    </message>
    <message>
        <source>Il programma %1 non è in archivio.</source>
        <translation>El programa %1 no está en el archivo.</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TListaBolla</name>
    <message>
        <source>Lista Bolle</source>
        <translation>Lista de albaranes</translation>
    </message>
    <message>
        <source>Selezionare la Bolla</source>
        <translation>Seleccione el albarán</translation>
    </message>
    <message>
        <source>Numero  Bolle</source>
        <translation>Número de albaranes</translation>
    </message>
    <message>
        <source>Partita</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Descarte</translation>
    </message>
    <message>
        <source>&lt;nuovo produttore&gt;</source>
        <translation>&lt;nuevo productor&gt;</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TListaProduttori</name>
    <message>
        <source>Lista Produttori</source>
        <translation>Lista de productores</translation>
    </message>
    <message>
        <source>Selezionare il produttore</source>
        <translation>Seleccione el productor</translation>
    </message>
    <message>
        <source>Numero  Produttori</source>
        <translation>Número de productores</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TModDati</name>
    <message>
        <source>Bolla ritiro N:</source>
        <translation>Albarán de entrega N.:</translation>
    </message>
    <message>
        <source>Codice :</source>
        <translation>Código:</translation>
    </message>
    <message>
        <source>Descrizione :</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Note :</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>Totale Partita kg:</source>
        <translation>Total partida kg:</translation>
    </message>
    <message>
        <source>Lotto N:</source>
        <translation>Lote N.:</translation>
    </message>
    <message>
        <source>N Casse:</source>
        <translation>N.º cajas:</translation>
    </message>
    <message>
        <source>N Pedane:</source>
        <translation>N.º palés:</translation>
    </message>
    <message>
        <source>Operatore:</source>
        <translation>Operador:</translation>
    </message>
    <message>
        <source>Dati Bolla</source>
        <translation>Datos del albarán</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Productor</translation>
    </message>
    <message>
        <source>Cambia</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Forza Data </source>
        <translation>Forzar fecha </translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TNewBolla</name>
    <message>
        <source>Ripartizione Calibri</source>
        <translation>Reparto por calibres</translation>
    </message>
    <message>
        <source>Nuova Bolla</source>
        <translation>Nuevo albarán</translation>
    </message>
    <message>
        <source>Qualita %1</source>
        <translation>Calidad %1</translation>
    </message>
    <message>
        <source>Partita</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Cambia</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
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
        <translation>Total calibre %1, calidad %2</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Descarte</translation>
    </message>
    <message>
        <source>Tot Partita</source>
        <translation>Total partida</translation>
    </message>
    <message>
        <source>num. Casse</source>
        <translation>n.º cajas</translation>
    </message>
    <message>
        <source>num. Pedane</source>
        <translation>n.º palés</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Percentuale</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Qualita 1</source>
        <translation>Calidad 1</translation>
    </message>
    <message>
        <source>Qualita 2</source>
        <translation>Calidad 2</translation>
    </message>
    <message>
        <source>Qualita 3</source>
        <translation>Calidad 3</translation>
    </message>
    <message>
        <source>Qualita 4</source>
        <translation>Calidad 4</translation>
    </message>
    <message>
        <source>TOTALE</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Bolla</source>
        <translation>Albarán</translation>
    </message>
    <message>
        <source>Numero</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Lotto</source>
        <translation>Lote</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Productor</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Codice a Barre</source>
        <translation>Código de barras</translation>
    </message>
    <message>
        <source>Operatore</source>
        <translation>Operador</translation>
    </message>
    <message>
        <source>Ricalcolo</source>
        <translation>Recálculo</translation>
    </message>
    <message>
        <source>Valore: %1   (%2 al Kg)   listino dal %3</source>
        <translation>Valor: %1   (%2 por Kg)   tarifa desde %3</translation>
    </message>
    <message>
        <source>Q%1 C%2</source>
        <translation>C%1 K%2</translation>
    </message>
    <message>
        <source>Senza prezzo: %1</source>
        <translation>Sin precio: %1</translation>
    </message>
</context>
<context>
    <name>kv7::batches::TProduttori</name>
    <message>
        <source>Dato Produttore</source>
        <translation>Datos del productor</translation>
    </message>
    <message>
        <source>codice produttore</source>
        <translation>código de productor</translation>
    </message>
    <message>
        <source>descrizione produttore</source>
        <translation>descripción del productor</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
</context>
<context>
    <name>kv7::batches::Texpfiltdata</name>
    <message>
        <source>Esporta Bolle con filtro per DATA</source>
        <translation>Exportar albaranes con filtro por FECHA</translation>
    </message>
    <message>
        <source>Data inizio</source>
        <translation>Fecha inicio</translation>
    </message>
    <message>
        <source>Data Fine</source>
        <translation>Fecha fin</translation>
    </message>
    <message>
        <source>Nomi campi</source>
        <translation>Nombres de campos</translation>
    </message>
    <message>
        <source>ESPORTA</source>
        <translation>EXPORTAR</translation>
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
        <translation>60% /3 pasos</translation>
    </message>
    <message>
        <source>100% /3 Passi</source>
        <translation>100% /3 pasos</translation>
    </message>
    <message>
        <source>TARA/LINEA</source>
        <translation>TARA/LÍNEA</translation>
    </message>
    <message>
        <source>TARA/TAZZA</source>
        <translation>TARA/TAZA</translation>
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
        <translation>Serie centralita</translation>
    </message>
    <message>
        <source>Seriale S. Barcode</source>
        <translation>Serie lector código de barras</translation>
    </message>
    <message>
        <source>Seriale S. Scarti</source>
        <translation>Serie estación descartes</translation>
    </message>
    <message>
        <source>Abilita</source>
        <translation>Habilitar</translation>
    </message>
    <message>
        <source>Seriali</source>
        <translation>Puertos serie</translation>
    </message>
    <message>
        <source>Numero linee</source>
        <translation>Número de líneas</translation>
    </message>
    <message>
        <source>Numero Uscite</source>
        <translation>Número de salidas</translation>
    </message>
    <message>
        <source>Numero Tazze/L.</source>
        <translation>Número de tazas/L.</translation>
    </message>
    <message>
        <source>Tipo attiv. Magn.</source>
        <translation>Tipo activ. imanes</translation>
    </message>
    <message>
        <source>Durata Att.</source>
        <translation>Duración act.</translation>
    </message>
    <message>
        <source>Apertura Magneti</source>
        <translation>Apertura imanes</translation>
    </message>
    <message>
        <source>Fase Zero Encoder</source>
        <translation>Fase cero encoder</translation>
    </message>
    <message>
        <source>verso rotazione encoder</source>
        <translation>sentido de giro encoder</translation>
    </message>
    <message>
        <source>Macchina</source>
        <translation>Máquina</translation>
    </message>
    <message>
        <source>Lettura I/F</source>
        <translation>Lectura I/F</translation>
    </message>
    <message>
        <source>K-peso</source>
        <translation>K-peso</translation>
    </message>
    <message>
        <source>Qualita linee</source>
        <translation>Calidad líneas</translation>
    </message>
    <message>
        <source>Rit. Tara</source>
        <translation>Ret. tara</translation>
    </message>
    <message>
        <source>Tipo Tara</source>
        <translation>Tipo tara</translation>
    </message>
    <message>
        <source>Dist. FC</source>
        <translation>Dist. FC</translation>
    </message>
    <message>
        <source>Durata FC</source>
        <translation>Duración FC</translation>
    </message>
    <message>
        <source>ritardo FC</source>
        <translation>retardo FC</translation>
    </message>
    <message>
        <source>Tara e fine campione</source>
        <translation>Tara y fin de muestra</translation>
    </message>
    <message>
        <source>Installazione</source>
        <translation>Instalación</translation>
    </message>
    <message>
        <source>Linea %1</source>
        <translation>Línea %1</translation>
    </message>
    <message>
        <source>Qualità%1</source>
        <translation>Calidad%1</translation>
    </message>
    <message>
        <source>non abilitata</source>
        <translation>no habilitada</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>◄ sinistra</source>
        <translation>◄ izquierda</translation>
    </message>
    <message>
        <source>destra ►</source>
        <translation>derecha ►</translation>
    </message>
    <message>
        <source>Il campo &quot;%1&quot; deve contenere un numero intero.</source>
        <translation>El campo &quot;%1&quot; debe contener un número entero.</translation>
    </message>
    <message>
        <source>Il campo &quot;%1&quot; deve contenere un numero da 0 a %2: la centralina non ne riceve altri.</source>
        <translation>El campo &quot;%1&quot; debe contener un número de 0 a %2: el controlador no recibe otros.</translation>
    </message>
    <message>
        <source>Distanza Uscite</source>
        <translation>Distancia salidas</translation>
    </message>
    <message>
        <source>Nuova password servizio</source>
        <translation>Nueva contraseña de servicio</translation>
    </message>
    <message>
        <source>Ripeti</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Nuova password azzeramenti</source>
        <translation>Nueva contraseña de borrado</translation>
    </message>
    <message>
        <source>Password (vuote: restano quelle in uso)</source>
        <translation>Contraseñas (vacías: se mantienen las actuales)</translation>
    </message>
    <message>
        <source>La nuova password non è stata scritta uguale due volte.</source>
        <translation>La nueva contraseña no se ha escrito igual las dos veces.</translation>
    </message>
    <message>
        <source>Numero Macchina</source>
        <translation>Número de máquina</translation>
    </message>
</context>
<context>
    <name>kv7::installation::Tpasswd</name>
    <message>
        <source>Password Accesso Servizio</source>
        <translation>Contraseña de acceso de servicio</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Entra</source>
        <translation>Entrar</translation>
    </message>
</context>
<context>
    <name>kv7::prices::TListino</name>
    <message>
        <source>Listino prezzi</source>
        <translation>Tarifa de precios</translation>
    </message>
    <message>
        <source>Valido dal</source>
        <translation>Válido desde</translation>
    </message>
    <message>
        <source>Listini</source>
        <translation>Tarifas</translation>
    </message>
    <message>
        <source>Prezzo Scarto (Q5)</source>
        <translation>Precio Descarte (Q5)</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Qualita %1</source>
        <translation>Calidad %1</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Prezzo al Kg</source>
        <translation>Precio por Kg</translation>
    </message>
    <message>
        <source>Programma %1  %2</source>
        <translation>Programa %1  %2</translation>
    </message>
    <message>
        <source>Prezzo non valido: %1</source>
        <translation>Precio no válido: %1</translation>
    </message>
</context>
<context>
    <name>kv7::programs::TListaProgrammi</name>
    <message>
        <source>Lista Programmi</source>
        <translation>Lista de programas</translation>
    </message>
    <message>
        <source>Selezionare il programma</source>
        <translation>Seleccione el programa</translation>
    </message>
    <message>
        <source>Numero  Programmi</source>
        <translation>Número de programas</translation>
    </message>
</context>
<context>
    <name>kv7::programs::TNewProgram</name>
    <message>
        <source>Programma</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Codice</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Pesi Qualita %1</source>
        <translation>Pesos calidad %1</translation>
    </message>
    <message>
        <source>Codice SQL Q5</source>
        <translation>Código SQL Q5</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Codice SQL</source>
        <translation>Código SQL</translation>
    </message>
    <message>
        <source>Modifica programma N. </source>
        <translation>Modificar programa n.º </translation>
    </message>
    <message>
        <source>il campo codice programma deve essere un numero di max 2 cifre!</source>
        <translation>¡el código de programa debe ser un número de 2 cifras como máximo!</translation>
    </message>
    <message>
        <source>Qualita %1, calibro %2: il peso %3 deve essere un numero intero; il programma non è stato salvato.</source>
        <translation>Calidad %1, calibre %2: el peso %3 debe ser un número entero; el programa no se ha guardado.</translation>
    </message>
    <message>
        <source>massimo</source>
        <translation>máximo</translation>
    </message>
    <message>
        <source>minimo</source>
        <translation>mínimo</translation>
    </message>
    <message>
        <source>Il codice programma deve essere un numero da 1 a 98: la centralina non carica programmi con altri numeri. Il programma non è stato salvato.</source>
        <translation>El código de programa debe ser un número de 1 a 98: el controlador no carga programas con otros números. El programa no se ha guardado.</translation>
    </message>
</context>
<context>
    <name>kv7::programs::TParProg</name>
    <message>
        <source>Parametri  Programma</source>
        <translation>Parámetros del programa</translation>
    </message>
    <message>
        <source>Archiviazione</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Stampa Bolla</source>
        <translation>Imprimir albarán</translation>
    </message>
    <message>
        <source>Trasmis. al remoto</source>
        <translation>Transmisión a remoto</translation>
    </message>
    <message>
        <source>Stampa grammature</source>
        <translation>Imprimir calibres en gramos</translation>
    </message>
    <message>
        <source>Fine Partita Autom.</source>
        <translation>Fin de lote autom.</translation>
    </message>
    <message>
        <source>grammi</source>
        <translation>gramos</translation>
    </message>
    <message>
        <source>Kilogrammi</source>
        <translation>Kilogramos</translation>
    </message>
    <message>
        <source>Totali espressi in</source>
        <translation>Totales expresados en</translation>
    </message>
    <message>
        <source>Numero Copie Bolle</source>
        <translation>Número de copias del albarán</translation>
    </message>
    <message>
        <source>Sfoglia..</source>
        <translation>Examinar..</translation>
    </message>
    <message>
        <source>Directory esp-AS400</source>
        <translation>Carpeta export. AS400</translation>
    </message>
    <message>
        <source>Auto Rinfresco Totali</source>
        <translation>Actualización automática de totales</translation>
    </message>
    <message>
        <source>Avviso limite Percentuale raggiunta</source>
        <translation>Aviso de límite de porcentaje alcanzado</translation>
    </message>
    <message>
        <source>Limite Perc. Q%1</source>
        <translation>Límite porc. C%1</translation>
    </message>
    <message>
        <source>Font Stampe</source>
        <translation>Fuente de impresión</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Copia PDF della bolla</source>
        <translation>Copia PDF del albarán</translation>
    </message>
</context>
<context>
    <name>kv7::reports::PagePainter</name>
    <message>
        <source> Stampa Programma </source>
        <translation> Imprimir Programa </translation>
    </message>
    <message>
        <source>LAVORAZIONE</source>
        <translation>ELABORACIÓN</translation>
    </message>
    <message>
        <source>STAMPA BOLLA</source>
        <translation>IMPRIMIR ALBARÁN</translation>
    </message>
    <message>
        <source>Prima Qualita</source>
        <translation>Primera Calidad</translation>
    </message>
    <message>
        <source>Qualita 2</source>
        <translation>Calidad 2</translation>
    </message>
    <message>
        <source>Qualita 3</source>
        <translation>Calidad 3</translation>
    </message>
    <message>
        <source>Qualita 4</source>
        <translation>Calidad 4</translation>
    </message>
    <message>
        <source>Data Bolla: </source>
        <translation>Fecha Albarán: </translation>
    </message>
    <message>
        <source>Numero Bolla: </source>
        <translation>Número Albarán: </translation>
    </message>
    <message>
        <source>Numero Registrazione: </source>
        <translation>Número Registro: </translation>
    </message>
    <message>
        <source>Lotto Bolla: </source>
        <translation>Lote Albarán: </translation>
    </message>
    <message>
        <source>Numero Programma:</source>
        <translation>Número Programa:</translation>
    </message>
    <message>
        <source>Operatore: </source>
        <translation>Operador: </translation>
    </message>
    <message>
        <source>Descrizione:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Cod. produttore: </source>
        <translation>Cód. productor: </translation>
    </message>
    <message>
        <source>Descrizione: </source>
        <translation>Descripción: </translation>
    </message>
    <message>
        <source>calibro</source>
        <translation>calibre</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Totali</source>
        <translation>Totales</translation>
    </message>
    <message>
        <source>Perc.</source>
        <translation>Porc.</translation>
    </message>
    <message>
        <source>Tot.PrimaQ</source>
        <translation>Tot.PrimeraC</translation>
    </message>
    <message>
        <source>Tot.Q2</source>
        <translation>Tot.C2</translation>
    </message>
    <message>
        <source>Tot.Q5(Scarto)</source>
        <translation>Tot.C5(Descarte)</translation>
    </message>
    <message>
        <source>Tot.Q3</source>
        <translation>Tot.C3</translation>
    </message>
    <message>
        <source>Tot.Q4</source>
        <translation>Tot.C4</translation>
    </message>
    <message>
        <source>Tot. Generale</source>
        <translation>Tot. General</translation>
    </message>
    <message>
        <source>n. Casse:</source>
        <translation>n. Cajas:</translation>
    </message>
    <message>
        <source>n. Pedane:</source>
        <translation>n. Palés:</translation>
    </message>
    <message>
        <source>note:</source>
        <translation>notas:</translation>
    </message>
    <message>
        <source>STAMPA PROGRAMMA</source>
        <translation>IMPRIMIR PROGRAMA</translation>
    </message>
    <message>
        <source>Qualita %1</source>
        <translation>Calidad %1</translation>
    </message>
    <message>
        <source>STAMPA INSTALLAZIONE</source>
        <translation>IMPRIMIR INSTALACIÓN</translation>
    </message>
    <message>
        <source>Data: </source>
        <translation>Fecha: </translation>
    </message>
    <message>
        <source>Numero linee: </source>
        <translation>Número líneas: </translation>
    </message>
    <message>
        <source>Numero tazze: </source>
        <translation>Número cazoletas: </translation>
    </message>
    <message>
        <source>Ritardo Tara:</source>
        <translation>Retardo Tara:</translation>
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
        <translation>cero encoder:</translation>
    </message>
    <message>
        <source>Linea %1</source>
        <translation>Línea %1</translation>
    </message>
    <message>
        <source>ini: </source>
        <translation>ini: </translation>
    </message>
    <message>
        <source>fine: </source>
        <translation>fin: </translation>
    </message>
    <message>
        <source>kappa:</source>
        <translation>kappa:</translation>
    </message>
    <message>
        <source>Qual: </source>
        <translation>Cal: </translation>
    </message>
    <message>
        <source>Codice</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Descrizione</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>STAMPA PRODUTTORI</source>
        <translation>IMPRIMIR PRODUCTORES</translation>
    </message>
    <message>
        <source>Costo al Kg.</source>
        <translation>Coste por Kg.</translation>
    </message>
    <message>
        <source>L. %1   %2</source>
        <translation>L. %1   %2</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Macchina</source>
        <translation>Máquina</translation>
    </message>
    <message>
        <source>Settimana</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Productor</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Bolle</source>
        <translation>Albaranes</translation>
    </message>
    <message>
        <source>Valore:</source>
        <translation>Valor:</translation>
    </message>
    <message>
        <source>%1   (%2 al Kg)</source>
        <translation>%1   (%2 por Kg)</translation>
    </message>
    <message>
        <source>Listino dal %1</source>
        <translation>Tarifa desde %1</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Descarte</translation>
    </message>
    <message>
        <source>Q%1 C%2</source>
        <translation>C%1 K%2</translation>
    </message>
    <message>
        <source>Senza prezzo: %1</source>
        <translation>Sin precio: %1</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Num.</source>
        <translation>Núm.</translation>
    </message>
    <message>
        <source>Bolla</source>
        <translation>Albarán</translation>
    </message>
    <message>
        <source>Kg dich.</source>
        <translation>Kg decl.</translation>
    </message>
    <message>
        <source>Kg camp.</source>
        <translation>Kg muest.</translation>
    </message>
    <message>
        <source>Q1 %</source>
        <translation>C1 %</translation>
    </message>
    <message>
        <source>Q2 %</source>
        <translation>C2 %</translation>
    </message>
    <message>
        <source>Q3 %</source>
        <translation>C3 %</translation>
    </message>
    <message>
        <source>Q4 %</source>
        <translation>C4 %</translation>
    </message>
    <message>
        <source>Scarto %</source>
        <translation>Descarte %</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Valore/Kg</source>
        <translation>Valor/Kg</translation>
    </message>
    <message>
        <source>STATISTICHE</source>
        <translation>ESTADÍSTICAS</translation>
    </message>
    <message>
        <source>ESTRATTO CONTO STAGIONE</source>
        <translation>EXTRACTO DE TEMPORADA</translation>
    </message>
    <message>
        <source>Periodo: %1 - %2</source>
        <translation>Periodo: %1 - %2</translation>
    </message>
    <message>
        <source>Produttore: %1</source>
        <translation>Productor: %1</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>%1 al Kg</source>
        <translation>%1 por Kg</translation>
    </message>
    <message>
        <source>Macchina %1</source>
        <translation>Máquina %1</translation>
    </message>
    <message>
        <source>modificata il %1</source>
        <translation>modificado el %1</translation>
    </message>
</context>
<context>
    <name>kv7::reports::TEstrattoConto</name>
    <message>
        <source>Estratto conto stagione</source>
        <translation>Extracto de temporada</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Productor</translation>
    </message>
    <message>
        <source>Dal</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>Al</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>kv7::reports::TImpAzienda</name>
    <message>
        <source>Impostazione Azienda</source>
        <translation>Configuración Empresa</translation>
    </message>
    <message>
        <source>&amp;Intestazione (4 righe):</source>
        <translation>&amp;Encabezado (4 líneas):</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>kv7::reports::TImpCosti</name>
    <message>
        <source>Impostazione Costi</source>
        <translation>Configuración de costes</translation>
    </message>
    <message>
        <source>Persone</source>
        <translation>Personas</translation>
    </message>
    <message>
        <source>Costo orario</source>
        <translation>Coste por hora</translation>
    </message>
    <message>
        <source>Categoria %1</source>
        <translation>Categoría %1</translation>
    </message>
    <message>
        <source>Costo orario complessivo</source>
        <translation>Coste total por hora</translation>
    </message>
    <message>
        <source>Costo / Minuto</source>
        <translation>Coste / Minuto</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>I valori della categoria %1 sono fuori misura</source>
        <translation>Los valores de la categoría %1 están fuera de rango</translation>
    </message>
</context>
<context>
    <name>kv7::reports::TPrint_boll</name>
    <message>
        <source>stampa programma</source>
        <translation>imprimir programa</translation>
    </message>
    <message>
        <source>stampa installazione</source>
        <translation>imprimir instalación</translation>
    </message>
    <message>
        <source>stampa produttori</source>
        <translation>imprimir productores</translation>
    </message>
    <message>
        <source>stampa bolla</source>
        <translation>imprimir albarán</translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Salva &amp;PDF</source>
        <translation>Guardar &amp;PDF</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Guardar PDF</translation>
    </message>
    <message>
        <source>File PDF non scritto: %1</source>
        <translation>Archivo PDF no escrito: %1</translation>
    </message>
    <message>
        <source>stampa statistiche</source>
        <translation>imprimir estadísticas</translation>
    </message>
    <message>
        <source>estratto conto stagione</source>
        <translation>extracto de temporada</translation>
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
        <translation>Calibración líneas</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Procedura Automatica</source>
        <translation>Procedimiento automático</translation>
    </message>
    <message>
        <source>Inizia</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Peso Campione</source>
        <translation>Peso muestra</translation>
    </message>
    <message>
        <source>Procedura Manuale</source>
        <translation>Procedimiento manual</translation>
    </message>
    <message>
        <source>Linea</source>
        <translation>Línea</translation>
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
        <translation>Corrección de errores</translation>
    </message>
    <message>
        <source>Sovrapeso</source>
        <translation>Sobrepeso</translation>
    </message>
    <message>
        <source>Sottopeso</source>
        <translation>Falta de peso</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestCelle</name>
    <message>
        <source>Test Celle</source>
        <translation>Prueba de células</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestEncoder</name>
    <message>
        <source>Test Encoder</source>
        <translation>Prueba encoder</translation>
    </message>
    <message>
        <source>N. Giro</source>
        <translation>N. Vuelta</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Ultimo Errore</source>
        <translation>Último error</translation>
    </message>
    <message>
        <source>Penultimo Errore</source>
        <translation>Penúltimo error</translation>
    </message>
    <message>
        <source>Terzultimo Errore</source>
        <translation>Antepenúltimo error</translation>
    </message>
    <message>
        <source>Quartultimo Errore</source>
        <translation>Cuarto último error</translation>
    </message>
    <message>
        <source>Quintultimo Errore</source>
        <translation>Quinto último error</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestMagneti</name>
    <message>
        <source>Test Magneti</source>
        <translation>Prueba imanes</translation>
    </message>
    <message>
        <source>Test Dinamico</source>
        <translation>Prueba dinámica</translation>
    </message>
    <message>
        <source>Test Statico</source>
        <translation>Prueba estática</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Uscita N.</source>
        <translation>Salida N.</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestMem</name>
    <message>
        <source>TEST NETTO MEMORIZZATO</source>
        <translation>PRUEBA NETO MEMORIZADO</translation>
    </message>
    <message>
        <source>N. TAZZA</source>
        <translation>N. CAZOLETA</translation>
    </message>
    <message>
        <source>TARA</source>
        <translation>TARA</translation>
    </message>
    <message>
        <source>NETTO</source>
        <translation>NETO</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestOscilloscopio</name>
    <message>
        <source>Funzione Oscilloscopio</source>
        <translation>Función osciloscopio</translation>
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
        <translation>Capturar</translation>
    </message>
    <message>
        <source>Linea in esame</source>
        <translation>Línea examinada</translation>
    </message>
    <message>
        <source>Soglia lnnesco</source>
        <translation>Umbral de disparo</translation>
    </message>
    <message>
        <source>Tazza</source>
        <translation>Cazoleta</translation>
    </message>
    <message>
        <source>minimo</source>
        <translation>mínimo</translation>
    </message>
    <message>
        <source>massimo</source>
        <translation>máximo</translation>
    </message>
    <message>
        <source>Lordo Assoluto</source>
        <translation>Bruto absoluto</translation>
    </message>
    <message>
        <source>Salva su File</source>
        <translation>Guardar en archivo</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Regolazione Fase</source>
        <translation>Ajuste de fase</translation>
    </message>
    <message>
        <source>Fase Zero</source>
        <translation>Fase cero</translation>
    </message>
    <message>
        <source>Aggiorna</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Ferma</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>cattura</source>
        <translation>capturar</translation>
    </message>
</context>
<context>
    <name>kv7::service::TTestTazzeVuote</name>
    <message>
        <source>Test Tazze Vuote</source>
        <translation>Prueba cazoletas vacías</translation>
    </message>
    <message>
        <source>Numero Tazza</source>
        <translation>Número cazoleta</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Limite +/-</source>
        <translation>Límite +/-</translation>
    </message>
    <message>
        <source>gr</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Inicio</translation>
    </message>
</context>
<context>
    <name>kv7::service::Ttabtara</name>
    <message>
        <source>TABELLA TARA</source>
        <translation>TABLA TARA</translation>
    </message>
    <message>
        <source>Rinfresca</source>
        <translation>Actualizar</translation>
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
        <translation>Calidad 1</translation>
    </message>
    <message>
        <source>Qualita 2</source>
        <translation>Calidad 2</translation>
    </message>
    <message>
        <source>Qualita 3</source>
        <translation>Calidad 3</translation>
    </message>
    <message>
        <source>Qualita 4</source>
        <translation>Calidad 4</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Descarte</translation>
    </message>
    <message>
        <source>Nessuna bolla nel periodo</source>
        <translation>Ningún albarán en el periodo</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Calibri: %1</source>
        <translation>Calibres: %1</translation>
    </message>
    <message>
        <source>Andamento settimanale: scegliere un produttore</source>
        <translation>Evolución semanal: elija un productor</translation>
    </message>
    <message>
        <source>Andamento settimanale: %1</source>
        <translation>Evolución semanal: %1</translation>
    </message>
    <message>
        <source>Archivio non disponibile</source>
        <translation>Archivo no disponible</translation>
    </message>
    <message>
        <source>File CSV non scritto: %1</source>
        <translation>Archivo CSV no escrito: %1</translation>
    </message>
    <message>
        <source>Scritto %1</source>
        <translation>Escrito %1</translation>
    </message>
    <message>
        <source>Esporta CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>File CSV (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Statistiche</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>&amp;Dal:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>&amp;Al:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>&amp;Raggruppa per:</source>
        <translation>&amp;Agrupar por:</translation>
    </message>
    <message>
        <source>&amp;Produttore:</source>
        <translation>&amp;Productor:</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Productor</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Macchina</source>
        <translation>Máquina</translation>
    </message>
    <message>
        <source>Settimana</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>A&amp;ggiorna</source>
        <translation>A&amp;ctualizar</translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Esporta CSV</source>
        <translation>E&amp;xportar CSV</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Gruppo</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Bolle</source>
        <translation>Albaranes</translation>
    </message>
    <message>
        <source>Kg dichiarati</source>
        <translation>Kg declarados</translation>
    </message>
    <message>
        <source>Kg campionati</source>
        <translation>Kg muestreados</translation>
    </message>
    <message>
        <source>Q1 %</source>
        <translation>C1 %</translation>
    </message>
    <message>
        <source>Q2 %</source>
        <translation>C2 %</translation>
    </message>
    <message>
        <source>Q3 %</source>
        <translation>C3 %</translation>
    </message>
    <message>
        <source>Q4 %</source>
        <translation>C4 %</translation>
    </message>
    <message>
        <source>Scarto %</source>
        <translation>Descarte %</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Valore/Kg</source>
        <translation>Valor/Kg</translation>
    </message>
</context>
<context>
    <name>kv7::ui::TAboutBox</name>
    <message>
        <source>Informazioni</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Versione : %1</source>
        <translation>Versión : %1</translation>
    </message>
    <message>
        <source>Nome Prodotto : %1</source>
        <translation>Nombre del producto : %1</translation>
    </message>
</context>
<context>
    <name>kv7::ui::TErr_map</name>
    <message>
        <source>Mappa errori SRD12</source>
        <translation>Mapa de errores SRD12</translation>
    </message>
</context>
<context>
    <name>kv7::ui::THelp</name>
    <message>
        <source>La guida dell&apos;operatore (%1) non è stata trovata in:
%2</source>
        <translation>No se ha encontrado la guía del operador (%1) en:
%2</translation>
    </message>
    <message>
        <source>Aiuto - Guida dell&apos;operatore</source>
        <translation>Ayuda - Guía del operador</translation>
    </message>
</context>
<context>
    <name>kv7::ui::TMain</name>
    <message>
        <source>&amp;Bolla N:</source>
        <translation>&amp;Albarán n.º:</translation>
    </message>
    <message>
        <source>T&amp;otale Partita kg:</source>
        <translation>T&amp;otal lote kg:</translation>
    </message>
    <message>
        <source>Stampa con totale partita</source>
        <translation>Imprimir con total del lote</translation>
    </message>
    <message>
        <source>Preview stampa</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Blocco Alimentazione</source>
        <translation>Alimentación bloqueada</translation>
    </message>
    <message>
        <source>Tazza / Tazze bad</source>
        <translation>Cazoleta / Cazoletas malas</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Totali lavorazione</source>
        <translation>Totales de producción</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Descarte</translation>
    </message>
    <message>
        <source>TOTALE</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>Codici a barre</source>
        <translation>Códigos de barras</translation>
    </message>
    <message>
        <source>Qualita &amp;%1</source>
        <translation>Calidad &amp;%1</translation>
    </message>
    <message>
        <source>Qualita %1</source>
        <translation>Calidad %1</translation>
    </message>
    <message>
        <source>Allarme qualita: premere per tacitare</source>
        <translation>Alarma de calidad: pulse para silenciar</translation>
    </message>
    <message>
        <source>&amp;Lavorazione</source>
        <translation>&amp;Producción</translation>
    </message>
    <message>
        <source>&amp;Programmi</source>
        <translation>&amp;Programas</translation>
    </message>
    <message>
        <source>&amp;Bolle</source>
        <translation>&amp;Albaranes</translation>
    </message>
    <message>
        <source>Pro&amp;duttori</source>
        <translation>Pro&amp;ductores</translation>
    </message>
    <message>
        <source>&amp;Installazione</source>
        <translation>&amp;Instalación</translation>
    </message>
    <message>
        <source>A&amp;ssistenza</source>
        <translation>A&amp;sistencia técnica</translation>
    </message>
    <message>
        <source>S&amp;carti</source>
        <translation>&amp;Descartes</translation>
    </message>
    <message>
        <source>Controllo &amp;Remoto</source>
        <translation>Control &amp;remoto</translation>
    </message>
    <message>
        <source>Lin&amp;gua</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;Aiuto</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>Programma  (F2)</source>
        <translation>Programa  (F2)</translation>
    </message>
    <message>
        <source>&amp;Modifica P/U  (F6)</source>
        <translation>&amp;Modificar P/U  (F6)</translation>
    </message>
    <message>
        <source>&amp;Azzeramento   (F8)</source>
        <translation>&amp;Puesta a cero   (F8)</translation>
    </message>
    <message>
        <source>&amp;Dati   (F3)</source>
        <translation>&amp;Datos   (F3)</translation>
    </message>
    <message>
        <source>&amp;Totali</source>
        <translation>&amp;Totales</translation>
    </message>
    <message>
        <source>&amp;Stampa   (F7)</source>
        <translation>&amp;Imprimir   (F7)</translation>
    </message>
    <message>
        <source>&amp;Fine Lavorazione (F9)</source>
        <translation>&amp;Fin de lote (F9)</translation>
    </message>
    <message>
        <source>&amp;Reset Centralina</source>
        <translation>&amp;Reiniciar controlador</translation>
    </message>
    <message>
        <source>&amp;Nuovo</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Modifica</source>
        <translation>&amp;Modificar</translation>
    </message>
    <message>
        <source>&amp;Cancella</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Stampa</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Nuova</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>esporta per Date</source>
        <translation>exportar por fechas</translation>
    </message>
    <message>
        <source>esporta giornaliero</source>
        <translation>exportar del día</translation>
    </message>
    <message>
        <source>&amp;Azzeramento Bolle</source>
        <translation>&amp;Borrar albaranes</translation>
    </message>
    <message>
        <source>&amp;Azzera Produttori</source>
        <translation>&amp;Borrar productores</translation>
    </message>
    <message>
        <source>&amp;Calibratrice</source>
        <translation>&amp;Calibradora</translation>
    </message>
    <message>
        <source>&amp;Programma</source>
        <translation>&amp;Programa</translation>
    </message>
    <message>
        <source>&amp;Salva su Penna USB</source>
        <translation>&amp;Guardar en memoria USB</translation>
    </message>
    <message>
        <source>&amp;Ripristina da Penna USB</source>
        <translation>&amp;Restaurar desde memoria USB</translation>
    </message>
    <message>
        <source>Controllo &amp;CELLE</source>
        <translation>Control de &amp;células</translation>
    </message>
    <message>
        <source>&amp;Memorizzato</source>
        <translation>&amp;Pesos memorizados</translation>
    </message>
    <message>
        <source>&amp;Encoder</source>
        <translation>&amp;Encoder</translation>
    </message>
    <message>
        <source>Controllo &amp;Tazze</source>
        <translation>Control de &amp;cazoletas</translation>
    </message>
    <message>
        <source>Tabella T&amp;ara</source>
        <translation>Tabla de t&amp;aras</translation>
    </message>
    <message>
        <source>Ca&amp;librazione</source>
        <translation>Ca&amp;libración</translation>
    </message>
    <message>
        <source>&amp;Oscilloscopio</source>
        <translation>&amp;Osciloscopio</translation>
    </message>
    <message>
        <source>Aggiorna Tempi Scarti</source>
        <translation>Actualizar tiempos de descarte</translation>
    </message>
    <message>
        <source>Mappa errori SRD12</source>
        <translation>Mapa de errores SRD12</translation>
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
        <translation>Español</translation>
    </message>
    <message>
        <source>Portoghese</source>
        <translation>Portugués</translation>
    </message>
    <message>
        <source>Inglese</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>Francese</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>Tedesco</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Greco</source>
        <translation>Griego</translation>
    </message>
    <message>
        <source>Cinese</source>
        <translation>Chino</translation>
    </message>
    <message>
        <source>Russo</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>Indiano</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>&amp;Informazioni</source>
        <translation>&amp;Información</translation>
    </message>
    <message>
        <source>&amp;Controllo Aggiornamenti On-line</source>
        <translation>&amp;Buscar actualizaciones en línea</translation>
    </message>
    <message>
        <source>&amp;Fine</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Costi</source>
        <translation>&amp;Costes</translation>
    </message>
    <message>
        <source>Produzione oraria = %1 ql/h</source>
        <translation>Producción por hora = %1 ql/h</translation>
    </message>
    <message>
        <source>Costo L. %1   al Kg. L. %2 (%3)</source>
        <translation>Coste L. %1   por Kg. L. %2 (%3)</translation>
    </message>
    <message>
        <source>Qualità %1: % per calibro</source>
        <translation>Calidad %1: % por calibre</translation>
    </message>
    <message>
        <source>&amp;Azienda</source>
        <translation>&amp;Empresa</translation>
    </message>
    <message>
        <source>Test Ma&amp;gneti</source>
        <translation>Prueba ima&amp;nes</translation>
    </message>
    <message>
        <source>Impostazioni di stampa non salvate: %1</source>
        <translation>Ajustes de impresión no guardados: %1</translation>
    </message>
    <message>
        <source>Costo al Kg. L. %1 %2</source>
        <translation>Coste por Kg. L. %1 %2</translation>
    </message>
    <message>
        <source>S&amp;tatistiche</source>
        <translation>Es&amp;tadísticas</translation>
    </message>
    <message>
        <source>&amp;Listino</source>
        <translation>&amp;Tarifa</translation>
    </message>
    <message>
        <source>&amp;Estratto conto stagione</source>
        <translation>&amp;Extracto de temporada</translation>
    </message>
</context>
<context>
    <name>kv7::ui::WholeNumberField</name>
    <message>
        <source>&quot;%1&quot; non è un numero intero: il campo accetta solo numeri interi.</source>
        <translation>&quot;%1&quot; no es un número entero: el campo solo acepta números enteros.</translation>
    </message>
</context>
<context>
    <name>kv7::web</name>
    <message>
        <source>Num.</source>
        <translation>Núm.</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Macchina %1</source>
        <translation>Máquina %1</translation>
    </message>
    <message>
        <source>Stato</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Programma</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Bolla</source>
        <translation>Albarán</translation>
    </message>
    <message>
        <source>Produttore</source>
        <translation>Productor</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Macchina</source>
        <translation>Máquina</translation>
    </message>
    <message>
        <source>Kg dichiarati</source>
        <translation>Kg declarados</translation>
    </message>
    <message>
        <source>Data non valida (AAAA-MM-GG)</source>
        <translation>Fecha no válida (AAAA-MM-DD)</translation>
    </message>
    <message>
        <source>Macchina non valida</source>
        <translation>Máquina no válida</translation>
    </message>
    <message>
        <source>Dal</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>Al</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Filtra</source>
        <translation>Filtrar</translation>
    </message>
    <message>
        <source>Kg campionati</source>
        <translation>Kg muestreados</translation>
    </message>
    <message>
        <source>Prima</source>
        <translation>Primera</translation>
    </message>
    <message>
        <source>Precedente</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Pagina %1 di %2 (%3 bolle)</source>
        <translation>Página %1 de %2 (%3 albaranes)</translation>
    </message>
    <message>
        <source>Successiva</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Ultima</source>
        <translation>Última</translation>
    </message>
    <message>
        <source>Scarica CSV</source>
        <translation>Descargar CSV</translation>
    </message>
    <message>
        <source>Nessuna bolla</source>
        <translation>Ningún albarán</translation>
    </message>
    <message>
        <source>Bolle</source>
        <translation>Albaranes</translation>
    </message>
    <message>
        <source>Archivio non disponibile</source>
        <translation>Archivo no disponible</translation>
    </message>
    <message>
        <source>Registrazione</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Lotto</source>
        <translation>Lote</translation>
    </message>
    <message>
        <source>Operatore</source>
        <translation>Operador</translation>
    </message>
    <message>
        <source>Casse</source>
        <translation>Cajas</translation>
    </message>
    <message>
        <source>Pedane</source>
        <translation>Palés</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Modificata il</source>
        <translation>Modificado el</translation>
    </message>
    <message>
        <source>Qualità</source>
        <translation>Calidad</translation>
    </message>
    <message>
        <source>Calibro</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Totale qualità</source>
        <translation>Total calidad</translation>
    </message>
    <message>
        <source>Scarto</source>
        <translation>Descarte</translation>
    </message>
    <message>
        <source>Totale generale</source>
        <translation>Total general</translation>
    </message>
    <message>
        <source>Listino dal</source>
        <translation>Tarifa desde</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Prezzo medio al Kg</source>
        <translation>Precio medio por Kg</translation>
    </message>
    <message>
        <source>Kg valutati</source>
        <translation>Kg valorados</translation>
    </message>
    <message>
        <source>Senza prezzo</source>
        <translation>Sin precio</translation>
    </message>
    <message>
        <source>Modifiche</source>
        <translation>Modificaciones</translation>
    </message>
    <message>
        <source>Nessuna modifica</source>
        <translation>Ninguna modificación</translation>
    </message>
    <message>
        <source>Quando</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>Utente</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Finestra</source>
        <translation>Ventana</translation>
    </message>
    <message>
        <source>Azione</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Numero di bolla non valido</source>
        <translation>Número de albarán no válido</translation>
    </message>
    <message>
        <source>Bolla non trovata</source>
        <translation>Albarán no encontrado</translation>
    </message>
    <message>
        <source>Il programma %1 della bolla non è più in archivio</source>
        <translation>El programa %1 del albarán ya no está en el archivo</translation>
    </message>
    <message>
        <source>Pesi campionati</source>
        <translation>Pesos muestreados</translation>
    </message>
    <message>
        <source>Sul peso dichiarato</source>
        <translation>Sobre el peso declarado</translation>
    </message>
    <message>
        <source>Bolla %1</source>
        <translation>Albarán %1</translation>
    </message>
    <message>
        <source>Raggruppamento non valido</source>
        <translation>Agrupación no válida</translation>
    </message>
    <message>
        <source>Raggruppa per</source>
        <translation>Agrupar por</translation>
    </message>
    <message>
        <source>Settimana</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Mostra</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Produzione (kg/h)</source>
        <translation>Producción (kg/h)</translation>
    </message>
    <message>
        <source>Tazze al minuto</source>
        <translation>Cazoletas por minuto</translation>
    </message>
    <message>
        <source>Bolle in attesa</source>
        <translation>Albaranes en espera</translation>
    </message>
    <message>
        <source>Ultimo aggiornamento</source>
        <translation>Última actualización</translation>
    </message>
    <message>
        <source>non risponde</source>
        <translation>no responde</translation>
    </message>
    <message>
        <source>Qualità %1</source>
        <translation>Calidad %1</translation>
    </message>
    <message>
        <source>Gruppo</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Valore al Kg</source>
        <translation>Valor por Kg</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Nessuna bolla nel periodo</source>
        <translation>Ningún albarán en el periodo</translation>
    </message>
    <message>
        <source>Qualità per gruppo</source>
        <translation>Calidad por grupo</translation>
    </message>
    <message>
        <source>Distribuzione per calibro: %1</source>
        <translation>Distribución por calibre: %1</translation>
    </message>
    <message>
        <source>Nessuna macchina ha ancora scritto il suo stato</source>
        <translation>Ninguna máquina ha escrito aún su estado</translation>
    </message>
    <message>
        <source>Archivio non raggiungibile</source>
        <translation>Archivo no disponible</translation>
    </message>
    <message>
        <source>Aggiornamento interrotto: nuovo tentativo in corso</source>
        <translation>Actualización interrumpida: nuevo intento en curso</translation>
    </message>
    <message>
        <source>Accesso</source>
        <translation>Acceso</translation>
    </message>
    <message>
        <source>Utente o password errati</source>
        <translation>Usuario o contraseña incorrectos</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Entra</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Macchine</source>
        <translation>Máquinas</translation>
    </message>
    <message>
        <source>Pagina non trovata</source>
        <translation>Página no encontrada</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Cambia</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Statistiche</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Manca il produttore</source>
        <translation>Falta el productor</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Valori prima</source>
        <translation>Valores antes</translation>
    </message>
    <message>
        <source>Valori dopo</source>
        <translation>Valores después</translation>
    </message>
    <message>
        <source>Esci</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Q%1 C%2</source>
        <translation>C%1 K%2</translation>
    </message>
</context>
</TS>
