// The guide's text. Narrow text is ISO 8859-1: accented letters are byte
// escapes (\xE8 is e grave, \xE9 e acute, \xF9 u grave, \xE0 a grave).
#include "game/FormMain.h"

namespace MyGame {

std::string GuideText() {
  return
      "Lo scopo\r\n"
      "Scopri tutte le celle del campo senza far esplodere le mine. Il campo \xE8 di 10 colonne "
      "per 13 righe dentro la cornice di catene.\r\n"
      "\r\n"
      "Come si gioca\r\n"
      "Premi GIOCA (o F2) per cominciare una partita al livello 1, poi scopri una cella coperta "
      "con il tasto sinistro del mouse. La prima cella che scopri in un livello non \xE8 mai una "
      "mina. Non ci sono bandierine: pensa prima di premere.\r\n"
      "\r\n"
      "I numeri\r\n"
      "Una cella scoperta mostra quante delle otto celle vicine nascondono una mina. Una cella "
      "senza mine vicine si apre a catena: si scoprono da sole tutte le celle intorno, fino a "
      "quelle con un numero.\r\n"
      "\r\n"
      "Livelli e mine\r\n"
      "Il livello 1 nasconde 10 mine e ogni livello ne aggiunge due, fino a 50. Quando hai "
      "scoperto tutte le celle senza mina compare \"Livello completato!\" e dopo un paio di "
      "secondi il livello successivo comincia da s\xE9.\r\n"
      "\r\n"
      "Il punteggio\r\n"
      "Ogni cella senza mina che scopri vale un punto, anche quelle aperte a catena, e il "
      "punteggio somma tutti i livelli della partita. Una mina chiude la partita. ABBANDONA "
      "termina la partita in corso e mostra dove erano le mine, senza punteggio in classifica.\r\n"
      "\r\n"
      "La classifica\r\n"
      "Se la partita finisce su una mina con almeno un punto, il gioco chiede il tuo nome e "
      "registra il risultato tra i dieci migliori. La striscia in alto nella finestra li mostra "
      "uno dopo l'altro; File > Migliori punteggi... li elenca tutti, e Azzera li cancella.\r\n"
      "\r\n"
      "I tasti\r\n"
      "F2: nuova partita (quella in corso viene abbandonata).\r\n"
      "Frecce: spostano il riquadro sulle celle del campo.\r\n"
      "Spazio o Invio: scoprono la cella nel riquadro, come un clic.\r\n"
      "F1: questa guida. Esc: chiude la guida.\r\n"
      "File > Suoni accende o spegne i suoni del gioco.\r\n"
      "\r\n"
      "La pagina del gioco sul web:";
}

}  // namespace MyGame
