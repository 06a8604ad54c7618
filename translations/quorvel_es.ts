<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>By the Quorvel team</source>
        <translation>Del equipo Quorvel</translation>
    </message>
    <message>
        <source>Made with Qt</source>
        <translation>Hecho con Qt</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>Acerca de Quorvel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Badge</name>
    <message>
        <source>Bust</source>
        <extracomment>over 21; the badge&apos;s lettering (16-pixel bold) has 53 pixels</extracomment>
        <translation>Pasa</translation>
    </message>
    <message>
        <source>Win</source>
        <extracomment>the badge&apos;s lettering has 47 pixels</extracomment>
        <translation>Gana</translation>
    </message>
    <message>
        <source>lose</source>
        <extracomment>the badge&apos;s lettering has 50 pixels</extracomment>
        <translation>Fuera</translation>
    </message>
    <message>
        <source>Natural</source>
        <extracomment>a two-card 21; the badge&apos;s lettering has 106 pixels</extracomment>
        <translation>Blackjack</translation>
    </message>
    <message>
        <source>Push</source>
        <extracomment>equal totals; the badge&apos;s lettering has 58 pixels</extracomment>
        <translation>Tablas</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>Deal</source>
        <extracomment>a 95 x 25 button: about 85 pixels of the desktop&apos;s button font</extracomment>
        <translation>Repartir</translation>
    </message>
    <message>
        <source>Hit</source>
        <extracomment>a 95 x 25 button: about 85 pixels of the desktop&apos;s button font</extracomment>
        <translation>Pedir</translation>
    </message>
    <message>
        <source>Stand</source>
        <extracomment>a 95 x 25 button: about 85 pixels of the desktop&apos;s button font</extracomment>
        <translation>Plantarse</translation>
    </message>
    <message>
        <source>Split</source>
        <extracomment>a 95 x 25 button: about 85 pixels of the desktop&apos;s button font</extracomment>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Double</source>
        <extracomment>a 95 x 25 button: about 85 pixels of the desktop&apos;s button font</extracomment>
        <translation>Doblar</translation>
    </message>
    <message>
        <source>Bet One</source>
        <extracomment>a 70 x 18 button that adds 1 to the bet: about 60 pixels of the desktop&apos;s button font</extracomment>
        <translation>Subir 1</translation>
    </message>
    <message>
        <source>Bet Five</source>
        <extracomment>a 70 x 18 button that adds 5 to the bet: about 60 pixels</extracomment>
        <translation>Subir 5</translation>
    </message>
    <message>
        <source>Bet Ten</source>
        <extracomment>a 70 x 18 button that adds 10 to the bet: about 60 pixels</extracomment>
        <translation>Subir 10</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>a 70 x 18 button that sets the bet back to 5: about 60 pixels</extracomment>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cuatro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>six</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>siete</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>ocho</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nueve</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>diez</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>jota</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>reina</translation>
    </message>
    <message>
        <source>king</source>
        <translation>rey</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>picas</translation>
    </message>
    <message>
        <source>an unknown card</source>
        <translation>una carta desconocida</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>a card&apos;s name: %1 its rank (&quot;ten&quot;), %2 its suit (&quot;hearts&quot;)</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>a face-down card</source>
        <extracomment>the dealer&apos;s hole card before it is turned</extracomment>
        <translation>una carta boca abajo</translation>
    </message>
    <message>
        <source>no cards</source>
        <extracomment>a hand that holds no cards: &quot;Dealers Hand: no cards.&quot;</extracomment>
        <translation>ninguna carta</translation>
    </message>
    <message>
        <source>%1 gets %2</source>
        <extracomment>%1 a hand&apos;s name (&quot;Players Hand&quot;), %2 the cards dealt to it (&quot;king of clubs, two of hearts&quot;)</extracomment>
        <translation>%1 recibe %2</translation>
    </message>
    <message>
        <source>Card table</source>
        <extracomment>the name of the table picture, as the screen reader says it</extracomment>
        <translation>Mesa de juego</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Dealers Hand</source>
        <extracomment>above the dealer&apos;s cards, in the table&apos;s 11-pixel font; up to the table&apos;s right edge</extracomment>
        <translation>Mano del crupier</translation>
    </message>
    <message>
        <source>Players Hand</source>
        <extracomment>above the player&apos;s cards; ends before the split hand&apos;s label: at most 285 pixels</extracomment>
        <translation>Mano del jugador</translation>
    </message>
    <message>
        <source>Split Hand</source>
        <extracomment>above the second hand after a split; up to 290 pixels</extracomment>
        <translation>Segunda mano</translation>
    </message>
    <message>
        <source>Dealers Count</source>
        <extracomment>count panel, before the dealer&apos;s total: at most 106 pixels</extracomment>
        <translation>Total crupier</translation>
    </message>
    <message>
        <source>Players Count</source>
        <extracomment>count panel, before the player&apos;s total: at most 106 pixels</extracomment>
        <translation>Total jugador</translation>
    </message>
    <message>
        <source>Split Count</source>
        <extracomment>count panel, before the split hand&apos;s total: at most 106 pixels</extracomment>
        <translation>Total 2.ª mano</translation>
    </message>
    <message>
        <source>Current Bet</source>
        <extracomment>before the stake&apos;s figure: at most 80 pixels</extracomment>
        <translation>Apuesta</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>in the gap of the Money box&apos;s frame: at most 46 pixels</extracomment>
        <translation>Dinero</translation>
    </message>
</context>
</TS>
