#include "TextesFiches.h"

namespace {

using page::T3;

const T3 inertieCalculee{"calculée, kg·m²", "computed, kg·m²", "calculada, kg·m²"};
const T3 roleInertie{
    "Inertie ramenée à l'arbre du moteur, calculée à partir de la masse au couple nominal, de la "
    "vitesse et de la réduction ; le variateur l'ajoute pendant les accélérations.",
    "Inertia referred to the motor shaft, computed from the mass at rated torque, the speed and the "
    "reduction; the drive adds it during accelerations.",
    "Inercia referida al eje del motor, calculada a partir de la masa al par nominal, de la velocidad y "
    "de la reducción; el variador la añade durante las aceleraciones."};
const T3 roleInertieReglee{
    "Inertie des parties tournantes ramenée à l'arbre du moteur ; le variateur l'ajoute pendant les "
    "accélérations.",
    "Inertia of the turning parts referred to the motor shaft; the drive adds it during accelerations.",
    "Inercia de las partes giratorias referida al eje del motor; el variador la añade durante las "
    "aceleraciones."};
const T3 nomInertie{"Inertie en charge nominale", "Inertia at rated load", "Inercia a carga nominal"};
const T3 nomSurcouple{"Surcouple au décollage", "Break-away over-torque", "Sobrepar de despegue"};
const T3 roleSurcouple{
    "Couple supplémentaire à vaincre pour mettre la charge en mouvement (frottement statique), appliqué "
    "au-dessous de 20 tr/min.",
    "Extra torque needed to set the load moving (static friction), applied below 20 rpm.",
    "Par suplementario para poner la carga en movimiento (rozamiento estático), aplicado por debajo de "
    "20 rpm."};
const T3 nomPerte{"Couple de perte", "Loss torque", "Par de pérdidas"};
const T3 rolePerte{"Couple résistant constant des frottements mécaniques (paliers, guidages).",
                   "Constant resistive torque of the mechanical friction (bearings, guides).",
                   "Par resistente constante de los rozamientos mecánicos (cojinetes, guías)."};
const T3 reglageCouple{"N·m, 0 à 33 % du couple nominal du banc",
                       "N·m, 0 to 33 % of the bench's rated torque",
                       "N·m, 0 a 33 % del par nominal del banco"};
const T3 nomVitesse{"Vitesse linéaire à 1500 tr/min", "Linear speed at 1500 rpm",
                    "Velocidad lineal a 1500 rpm"};
const T3 nomRoulement{"Coefficient de roulement", "Rolling coefficient", "Coeficiente de rodadura"};
const T3 roleRoulement{"Force de roulement par kilogramme transporté.", "Rolling force per kilogram carried.",
                       "Fuerza de rodadura por kilogramo transportado."};
const T3 nomRendement{"Rendement", "Efficiency", "Rendimiento"};
const T3 reglageRendement{"%, 50 à 90 (75 à 80 par défaut)", "%, 50 to 90 (75 to 80 by default)",
                          "%, 50 a 90 (75 a 80 por defecto)"};
const T3 roleRendement{
    "Rendement de la transmission : le couple demandé au moteur est divisé par le rendement à la "
    "montée et multiplié par lui à la descente.",
    "Efficiency of the transmission: the torque asked of the motor is divided by it when lifting and "
    "multiplied by it when lowering.",
    "Rendimiento de la transmisión: el par pedido al motor se divide por él en subida y se multiplica "
    "por él en bajada."};
const T3 nomDegradation{"Dégradation en vitesse négative", "Degradation at negative speed",
                        "Degradación a velocidad negativa"};
const T3 roleDegradation{
    "Perte d'efficacité quand la machine tourne à l'envers : le couple et le débit sont réduits de ce "
    "pourcentage.",
    "Loss of effectiveness when the machine turns backwards: torque and flow are reduced by this "
    "percentage.",
    "Pérdida de eficacia cuando la máquina gira al revés: el par y el caudal se reducen en este "
    "porcentaje."};

std::vector<TexteFiche> construit() {
    std::vector<TexteFiche> f;
    f.push_back(
        {51,
         "conditionnement.jpg",
         {"Conditionnement : banderoleuse à plateau tournant", "Packaging: turntable stretch wrapper",
          "Embalaje: enfardadora de plato giratorio"},
         {"Une palette chargée repose sur un plateau tournant entraîné par le moteur étudié à travers un "
          "réducteur. Le film étirable est déroulé pendant la rotation. La charge est surtout un couple de "
          "roulement proportionnel à la masse portée, avec un surcouple au démarrage et une inertie "
          "importante.",
          "A loaded pallet stands on a turntable driven by the motor under study through a gearbox. The "
          "stretch film unwinds while it turns. The load is mostly a rolling torque proportional to the mass "
          "carried, with an over-torque at start and a large inertia.",
          "Un palé cargado descansa sobre un plato giratorio accionado por el motor estudiado mediante un "
          "reductor. La película estirable se desenrolla durante el giro. La carga es sobre todo un par de "
          "rodadura proporcional a la masa, con un sobrepar en el arranque y una inercia importante."},
         {{{"Réduction", "Reduction", "Reducción"},
           {"rapport, 100 à 200 (150 par défaut)", "ratio, 100 to 200 (150 by default)",
            "relación, 100 a 200 (150 por defecto)"},
           {"Rapport entre la vitesse du moteur et celle du plateau.",
            "Ratio of the motor speed to the turntable speed.",
            "Relación entre la velocidad del motor y la del plato."}},
          {nomRoulement,
           {"N·m/kg, 0,05 à 0,20 (0,10)", "N·m/kg, 0.05 to 0.20 (0.10)", "N·m/kg, 0,05 a 0,20 (0,10)"},
           {"Couple de roulement du plateau par kilogramme posé.",
            "Rolling torque of the plate per kilogram.", "Par de rodadura del plato por kilogramo."}},
          {nomSurcouple,
           {"N·m, 0 à 7 % du couple nominal", "N·m, 0 to 7 % of rated torque",
            "N·m, 0 a 7 % del par nominal"},
           roleSurcouple},
          {{"Diamètre moyen de la palette", "Mean pallet diameter", "Diámetro medio del palé"},
           {"m, 0,5 à 2,0 (1,4)", "m, 0.5 to 2.0 (1.4)", "m, 0,5 a 2,0 (1,4)"},
           {"Fixe l'inertie de la charge et la vitesse périphérique affichée.",
            "Sets the inertia of the load and the peripheral speed shown.",
            "Fija la inercia de la carga y la velocidad periférica mostrada."}},
          {{"Masse totale (palette + plateau)", "Total mass (pallet + plate)", "Masa total (palé + plato)"},
           {"kg, proportionnelle au couple nominal du banc", "kg, in proportion to the bench's rated torque",
            "kg, proporcional al par nominal del banco"},
           {"Masse mise en rotation ; avec le diamètre elle donne l'inertie.",
            "Mass set turning; with the diameter it gives the inertia.",
            "Masa puesta en rotación; con el diámetro da la inercia."}},
          {nomInertie, inertieCalculee, roleInertie}},
         {"Programme 12 du variateur (couple résistant avec décollage). Couple résistant C = niveau de "
          "charge "
          "× Cn / 150 ; au-dessous de 20 tr/min le couple de décollage (surcouple + niveau) × Cn / 150 "
          "s'applique ; l'inertie J = M × D² × 125 / réduction² × Cn / 15000 est émulée. La barre de charge "
          "règle la masse posée sur le plateau.",
          "Drive program 12 (resistive torque with break-away). Resistive torque T = load level × Tn / 150; "
          "below 20 rpm the break-away torque (over-torque + level) × Tn / 150 applies; the inertia "
          "J = M × D² × 125 / reduction² × Tn / 15000 is emulated. The load bar sets the mass on the plate.",
          "Programa 12 del variador (par resistente con despegue). Par resistente C = nivel de carga × Cn / "
          "150; por debajo de 20 rpm se aplica el par de despegue (sobrepar + nivel) × Cn / 150; se emula la "
          "inercia J = M × D² × 125 / reducción² × Cn / 15000. La barra de carga fija la masa sobre el "
          "plato."},
         {"Force à la périphérie de la palette (N), vitesse linéaire de la périphérie (m/s), puissance (W).",
          "Force at the rim of the pallet (N), linear speed of the rim (m/s), power (W).",
          "Fuerza en la periferia del palé (N), velocidad lineal de la periferia (m/s), potencia (W)."},
         12});
    const T3 reglageVitesseLevage52{"m/s, 0,5 à 5,0 (2,0)", "m/s, 0.5 to 5.0 (2.0)", "m/s, 0,5 a 5,0 (2,0)"};
    const T3 roleVitesse{"Vitesse de la charge quand le moteur tourne à 1500 tr/min : elle fixe le rapport "
                         "entre la force et le couple.",
                         "Speed of the load when the motor turns at 1500 rpm: it sets the ratio of force "
                         "to torque.",
                         "Velocidad de la carga cuando el motor gira a 1500 rpm: fija la relación entre "
                         "la fuerza y el par."};
    const T3 loiLevage{
        "Programme 13 du variateur (levage). Le couple est celui du poids de la charge ramené à l'arbre : "
        "C = M × g × v / Ω, avec v la vitesse linéaire ; il garde son sens quand le moteur change de sens "
        "(charge entraînante à la descente). Le rendement divise le couple à la montée et le multiplie à "
        "la descente ; l'inertie de la masse est émulée. La barre de charge règle la masse levée, du "
        "préhenseur ou crochet seul jusqu'à la masse au couple nominal.",
        "Drive program 13 (lifting). The torque is that of the weight of the load referred to the shaft: "
        "T = M × g × v / Ω, with v the linear speed; it keeps its direction when the motor reverses "
        "(overhauling load when lowering). The efficiency divides the torque when lifting and multiplies it "
        "when lowering; the inertia of the mass is emulated. The load bar sets the mass lifted, from the "
        "gripper or hook alone up to the mass at rated torque.",
        "Programa 13 del variador (elevación). El par es el del peso de la carga referido al eje: "
        "C = M × g × v / Ω, con v la velocidad lineal; conserva su sentido cuando el motor invierte "
        "(carga arrastrante en bajada). El rendimiento divide el par en subida y lo multiplica en bajada; "
        "se emula la inercia de la masa. La barra de carga fija la masa elevada, desde la pinza o el "
        "gancho solo hasta la masa al par nominal."};
    const T3 affichagesLevage{"Masse levée (kg), vitesse linéaire (m/s), puissance (W).",
                              "Mass lifted (kg), linear speed (m/s), power (W).",
                              "Masa elevada (kg), velocidad lineal (m/s), potencia (W)."};
    f.push_back(
        {52,
         "pos_absolu.jpg",
         {"Positionnement absolu : axe vertical de palettisation",
          "Absolute positioning: palletising vertical axis",
          "Posicionamiento absoluto: eje vertical de paletizado"},
         {"Un préhenseur monte et descend des colis entre des positions fixes. Le moteur étudié entraîne "
          "l'axe vertical par une poulie et une courroie crantée : il lève la charge, la retient, puis la "
          "laisse descendre en freinant. Les positions sont données par l'automatisme qui pilote le moteur.",
          "A gripper carries parcels up and down between fixed positions. The motor under study drives the "
          "vertical axis through a pulley and a toothed belt: it lifts the load, holds it, then lowers it "
          "while braking. The positions are given by the automation that controls the motor.",
          "Una pinza sube y baja bultos entre posiciones fijas. El motor estudiado acciona el eje vertical "
          "mediante una polea y una correa dentada: eleva la carga, la retiene y luego la baja frenando. "
          "Las posiciones las da el automatismo que pilota el motor."},
         {{{"Masse du préhenseur", "Gripper mass", "Masa de la pinza"},
           {"kg, proportionnelle au couple nominal du banc", "kg, in proportion to the bench's rated torque",
            "kg, proporcional al par nominal del banco"},
           {"Masse toujours présente : c'est le minimum de la barre de charge.",
            "Mass always present: it is the minimum of the load bar.",
            "Masa siempre presente: es el mínimo de la barra de carga."}},
          {nomVitesse, reglageVitesseLevage52, roleVitesse},
          {nomRendement, reglageRendement, roleRendement},
          {nomInertie, inertieCalculee, roleInertie}},
         loiLevage,
         affichagesLevage,
         13});
    f.push_back(
        {53,
         "convoyeur.jpg",
         {"Convoyeur à rouleaux", "Roller conveyor", "Transportador de rodillos"},
         {"Des charges posées sur des rouleaux motorisés avancent à vitesse réglée. Le moteur étudié doit "
          "vaincre le roulement des charges et les frottements de la chaîne d'entraînement, et mettre en "
          "mouvement des charges arrêtées.",
          "Loads standing on driven rollers move at a set speed. The motor under study overcomes the rolling "
          "of the loads and the friction of the drive chain, and sets stopped loads moving.",
          "Cargas apoyadas en rodillos motorizados avanzan a velocidad regulada. El motor estudiado vence la "
          "rodadura de las cargas y los rozamientos de la cadena de arrastre, y pone en movimiento cargas "
          "paradas."},
         {{nomPerte,
           {"N·m, 3 à 20 % du couple nominal", "N·m, 3 to 20 % of rated torque",
            "N·m, 3 a 20 % del par nominal"},
           rolePerte},
          {nomSurcouple, reglageCouple, roleSurcouple},
          {nomVitesse,
           {"m/s, 0,20 à 2,00 (1,00)", "m/s, 0.20 to 2.00 (1.00)", "m/s, 0,20 a 2,00 (1,00)"},
           roleVitesse},
          {nomRoulement,
           {"N/kg, 0,05 à 0,30 (0,15)", "N/kg, 0.05 to 0.30 (0.15)", "N/kg, 0,05 a 0,30 (0,15)"},
           roleRoulement},
          {nomInertie, inertieCalculee, roleInertie}},
         {"Programme 12 du variateur (couple résistant avec décollage). C = niveau × Cn / 150, le minimum de "
          "la barre étant le couple de perte ; au-dessous de 20 tr/min, (surcouple + niveau) × Cn / 150. "
          "L'inertie émulée croît avec la masse transportée (niveau au-dessus du couple de perte).",
          "Drive program 12 (resistive torque with break-away). T = level × Tn / 150, the minimum of the bar "
          "being the loss torque; below 20 rpm, (over-torque + level) × Tn / 150. The emulated inertia grows "
          "with the mass carried (level above the loss torque).",
          "Programa 12 del variador (par resistente con despegue). C = nivel × Cn / 150, siendo el mínimo de "
          "la barra el par de pérdidas; por debajo de 20 rpm, (sobrepar + nivel) × Cn / 150. La inercia "
          "emulada crece con la masa transportada (nivel por encima del par de pérdidas)."},
         {"Masse transportée (kg), vitesse linéaire (m/s), débit de matière (t/h).",
          "Mass carried (kg), linear speed (m/s), mass flow (t/h).",
          "Masa transportada (kg), velocidad lineal (m/s), caudal de materia (t/h)."},
         12});
    f.push_back(
        {57,
         "coupe.jpg",
         {"Coupe à longueur", "Cut to length", "Corte a medida"},
         {"Une cisaille coupe une bande en morceaux de même longueur. À chaque coupe le moteur étudié "
          "abaisse la lame contre la matière (effort de coupe), puis la remonte ; le cycle se répète à la "
          "cadence réglée.",
          "A shear cuts a strip into pieces of equal length. At each cut the motor under study drives the "
          "blade down into the material (cutting force), then brings it back up; the cycle repeats at the "
          "set rate.",
          "Una cizalla corta una banda en trozos de igual longitud. En cada corte el motor estudiado baja la "
          "cuchilla contra el material (esfuerzo de corte) y luego la sube; el ciclo se repite a la cadencia "
          "regulada."},
         {{nomPerte,
           {"N·m, 7 à 67 % du couple nominal", "N·m, 7 to 67 % of rated torque",
            "N·m, 7 a 67 % del par nominal"},
           rolePerte},
          {{"Couple de remontée", "Return torque", "Par de subida"},
           {"N·m, 7 à 67 % du couple nominal", "N·m, 7 to 67 % of rated torque",
            "N·m, 7 a 67 % del par nominal"},
           {"Couple pendant la remontée de la lame.", "Torque while the blade returns.",
            "Par durante la subida de la cuchilla."}},
          {{"Déplacement vertical", "Vertical travel", "Desplazamiento vertical"},
           {"m, 2,00 à 12,00 (6,00) centièmes", "m, 2.00 to 12.00 (6.00) hundredths",
            "m, 2,00 a 12,00 (6,00) centésimas"},
           {"Course de la lame : avec la cadence elle donne l'effort maximal affiché.",
            "Stroke of the blade: with the rate it gives the maximum force shown.",
            "Carrera de la cuchilla: con la cadencia da el esfuerzo máximo mostrado."}},
          {{"Cadence", "Rate", "Cadencia"},
           {"coupes/min, 0,5 à 3,0 (1,0)", "cuts/min, 0.5 to 3.0 (1.0)", "cortes/min, 0,5 a 3,0 (1,0)"},
           {"Nombre de coupes par minute : il fixe la durée de la coupe et du cycle.",
            "Number of cuts per minute: it sets the length of the cut and of the cycle.",
            "Número de cortes por minuto: fija la duración del corte y del ciclo."}},
          {{"Inertie", "Inertia", "Inercia"},
           {"kg·m², 0,010 à 0,500 (0,100)", "kg·m², 0.010 to 0.500 (0.100)", "kg·m², 0,010 a 0,500 (0,100)"},
           roleInertieReglee}},
         {"Programme 9 du variateur (charge cyclique). Pendant la coupe le couple vaut (perte + niveau) × Cn "
          "/ 150, pendant la remontée remontée × Cn / 150 ; les durées sont 5000 / cadence et 10000 / "
          "cadence. La barre de charge règle l'effort de coupe au-dessus du couple de perte.",
          "Drive program 9 (cyclic load). During the cut the torque is (loss + level) × Tn / 150, during the "
          "return return × Tn / 150; the times are 5000 / rate and 10000 / rate. The load bar sets the "
          "cutting force above the loss torque.",
          "Programa 9 del variador (carga cíclica). Durante el corte el par vale (pérdidas + nivel) × Cn / "
          "150, durante la subida subida × Cn / 150; las duraciones son 5000 / cadencia y 10000 / cadencia. "
          "La barra de carga fija el esfuerzo de corte por encima del par de pérdidas."},
         {"Effort de coupe (N), cadence (coupes/min).", "Cutting force (N), rate (cuts/min).",
          "Esfuerzo de corte (N), cadencia (cortes/min)."},
         9});
    f.push_back(
        {58,
         "pont_roulant.jpg",
         {"Levage : treuil de pont roulant", "Lifting: overhead crane hoist",
          "Elevación: torno de puente grúa"},
         {"Le moteur étudié entraîne le tambour du treuil d'un pont roulant. Il lève la charge, la tient "
          "suspendue et la descend : à la descente la charge entraîne le moteur, qui doit freiner (marche en "
          "génératrice).",
          "The motor under study drives the drum of an overhead crane's hoist. It lifts the load, holds it "
          "and lowers it: when lowering the load drives the motor, which must brake (generating).",
          "El motor estudiado acciona el tambor del torno de un puente grúa. Eleva la carga, la mantiene "
          "suspendida y la baja: en bajada la carga arrastra el motor, que debe frenar (funcionamiento como "
          "generador)."},
         {{{"Masse du crochet", "Hook mass", "Masa del gancho"},
           {"kg, proportionnelle au couple nominal du banc", "kg, in proportion to the bench's rated torque",
            "kg, proporcional al par nominal del banco"},
           {"Masse toujours suspendue : c'est le minimum de la barre de charge.",
            "Mass always hanging: it is the minimum of the load bar.",
            "Masa siempre suspendida: es el mínimo de la barra de carga."}},
          {nomVitesse,
           {"m/s, 0,1 à 2,0 (1,0)", "m/s, 0.1 to 2.0 (1.0)", "m/s, 0,1 a 2,0 (1,0)"},
           roleVitesse},
          {nomRendement, reglageRendement, roleRendement},
          {nomInertie, inertieCalculee, roleInertie}},
         loiLevage,
         affichagesLevage,
         13});
    f.push_back(
        {61,
         "pompes.jpg",
         {"Pompage : pompe centrifuge", "Pumping: centrifugal pump", "Bombeo: bomba centrífuga"},
         {"Le moteur étudié entraîne une pompe centrifuge qui refoule l'eau dans un réseau. Le couple croît "
          "comme le carré de la vitesse ; le débit n'apparaît que lorsque la pompe fournit plus que la "
          "hauteur de refoulement. La barre de charge est l'ouverture de la vanne.",
          "The motor under study drives a centrifugal pump that delivers water into a network. The torque "
          "grows as the square of the speed; flow appears only once the pump gives more than the discharge "
          "height. The load bar is the opening of the valve.",
          "El motor estudiado acciona una bomba centrífuga que impulsa agua a una red. El par crece con el "
          "cuadrado de la velocidad; el caudal aparece sólo cuando la bomba da más que la altura de "
          "impulsión. La barra de carga es la apertura de la válvula."},
         {{{"Hauteur de refoulement", "Discharge height", "Altura de impulsión"},
           {"m, 10 à 100 % de la hauteur à débit nul (30 %)",
            "m, 10 to 100 % of the head at zero flow (30 %)",
            "m, 10 a 100 % de la altura a caudal nulo (30 %)"},
           {"Hauteur géométrique du réseau : en dessous, la pompe ne débite pas.",
            "Geometric height of the network: below it the pump gives no flow.",
            "Altura geométrica de la red: por debajo, la bomba no da caudal."}},
          {{"Pompe centrifuge", "Centrifugal pump", "Bomba centrífuga"},
           {"un des six modèles de la classe du banc", "one of the six models of the bench class",
            "uno de los seis modelos de la clase del banco"},
           {"Hauteur et débit nominaux, courbe de la pompe et puissance de pertes.",
            "Rated head and flow, pump curve and loss power.",
            "Altura y caudal nominales, curva de la bomba y potencia de pérdidas."}},
          {nomDegradation, {"%, 60 à 90 (80)", "%, 60 to 90 (80)", "%, 60 a 90 (80)"}, roleDegradation}},
         {"Programme 7 du variateur (couple quadratique). Le couple à 1500 tr/min est celui de la puissance "
          "hydraulique au point de fonctionnement (ouverture de vanne, courbe de la pompe, réseau) plus la "
          "puissance de pertes ; le variateur l'applique proportionnellement au carré de la vitesse.",
          "Drive program 7 (quadratic torque). The torque at 1500 rpm is that of the hydraulic power at the "
          "operating point (valve opening, pump curve, network) plus the loss power; the drive applies it in "
          "proportion to the square of the speed.",
          "Programa 7 del variador (par cuadrático). El par a 1500 rpm es el de la potencia hidráulica en el "
          "punto de funcionamiento (apertura de válvula, curva de la bomba, red) más la potencia de "
          "pérdidas; el variador lo aplica proporcional al cuadrado de la velocidad."},
         {"Ouverture de la vanne (%), débit (m³/h), hauteur manométrique totale (m) à la vitesse mesurée.",
          "Valve opening (%), flow (m³/h), total head (m) at the measured speed.",
          "Apertura de la válvula (%), caudal (m³/h), altura manométrica total (m) a la velocidad medida."},
         7});
    f.push_back(
        {62,
         "ventilation.jpg",
         {"Ventilation et désenfumage", "Ventilation and smoke extraction",
          "Ventilación y extracción de humos"},
         {"Le moteur étudié entraîne un ventilateur centrifuge. Le couple croît comme le carré de la "
          "vitesse. "
          "En ventilation, la barre de charge est l'ouverture du registre ; en désenfumage, le ventilateur "
          "fonctionne à 90 % et la barre règle la résistance du réseau de gaines.",
          "The motor under study drives a centrifugal fan. The torque grows as the square of the speed. In "
          "ventilation the load bar is the opening of the damper; in smoke extraction the fan works at 90 % "
          "and the bar sets the resistance of the ductwork.",
          "El motor estudiado acciona un ventilador centrífugo. El par crece con el cuadrado de la "
          "velocidad. "
          "En ventilación la barra de carga es la apertura del registro; en extracción de humos el "
          "ventilador trabaja al 90 % y la barra fija la resistencia de los conductos."},
         {{nomPerte,
           {"N·m, 1 à 13 % du couple nominal", "N·m, 1 to 13 % of rated torque",
            "N·m, 1 a 13 % del par nominal"},
           rolePerte},
          {nomDegradation, {"%, 10 à 90", "%, 10 to 90", "%, 10 a 90"}, roleDegradation},
          {{"Débit à vitesse nominale", "Flow at rated speed", "Caudal a velocidad nominal"},
           {"m³/h, 1000 à 5000 (5000)", "m³/h, 1000 to 5000 (5000)", "m³/h, 1000 a 5000 (5000)"},
           {"Débit du ventilateur à 1500 tr/min, registre ouvert ; il donne la pression affichée.",
            "Flow of the fan at 1500 rpm with the damper open; it gives the pressure shown.",
            "Caudal del ventilador a 1500 rpm con el registro abierto; da la presión mostrada."}},
          {{"Inertie", "Inertia", "Inercia"},
           {"kg·m², 0,010 à 0,200", "kg·m², 0.010 to 0.200", "kg·m², 0,010 a 0,200"},
           roleInertieReglee}},
         {"Programme 7 du variateur (couple quadratique). Couple à 1500 tr/min : ventilation (niveau × 80 / "
          "100 + 20) × Cn / 150, désenfumage (120 − niveau / 6) × Cn / 150 ; couple de perte constant, "
          "dégradation en sens inverse et inertie en plus.",
          "Drive program 7 (quadratic torque). Torque at 1500 rpm: ventilation (level × 80 / 100 + 20) × Tn "
          "/ 150, smoke extraction (120 − level / 6) × Tn / 150; plus a constant loss torque, the reverse "
          "degradation and the inertia.",
          "Programa 7 del variador (par cuadrático). Par a 1500 rpm: ventilación (nivel × 80 / 100 + 20) × "
          "Cn / 150, extracción (120 − nivel / 6) × Cn / 150; más un par de pérdidas constante, la "
          "degradación en sentido inverso y la inercia."},
         {"Ouverture (%), débit d'air (m³/h).", "Opening (%), air flow (m³/h).",
          "Apertura (%), caudal de aire (m³/h)."},
         7});
    f.push_back(
        {66,
         "bande.jpg",
         {"Convoyeur à bande incliné", "Inclined belt conveyor", "Cinta transportadora inclinada"},
         {"Une bande monte de la matière en vrac sur une pente. Le moteur étudié vainc le roulement de la "
          "bande et le poids de la matière sur la pente ; si la bande recule, la pente entraîne la charge.",
          "A belt carries bulk material up a slope. The motor under study overcomes the rolling of the belt "
          "and the weight of the material on the slope; if the belt runs back, the slope drives the load.",
          "Una cinta sube material a granel por una pendiente. El motor estudiado vence la rodadura de la "
          "cinta y el peso del material en la pendiente; si la cinta retrocede, la pendiente arrastra la "
          "carga."},
         {{nomPerte,
           {"N·m, 13 à 33 % du couple nominal", "N·m, 13 to 33 % of rated torque",
            "N·m, 13 a 33 % del par nominal"},
           rolePerte},
          {nomSurcouple, reglageCouple, roleSurcouple},
          {{"Angle", "Angle", "Ángulo"},
           {"°, 0 à 15 (5)", "°, 0 to 15 (5)", "°, 0 a 15 (5)"},
           {"Pente de la bande : la composante du poids M × g × sin(angle) s'ajoute au roulement.",
            "Slope of the belt: the weight component M × g × sin(angle) adds to the rolling.",
            "Pendiente de la cinta: la componente del peso M × g × sen(ángulo) se suma a la rodadura."}},
          {nomVitesse,
           {"m/s, 0,10 à 1,00 (0,50)", "m/s, 0.10 to 1.00 (0.50)", "m/s, 0,10 a 1,00 (0,50)"},
           roleVitesse},
          {nomRoulement,
           {"N/kg, 0,20 à 1,00 (0,50)", "N/kg, 0.20 to 1.00 (0.50)", "N/kg, 0,20 a 1,00 (0,50)"},
           roleRoulement},
          {nomInertie, inertieCalculee, roleInertie}},
         {"Programme 12 du variateur (couple résistant avec décollage). Le couple de roulement et le couple "
          "de perte résistent dans les deux sens ; la part due à la pente garde son sens (charge entraînante "
          "en marche arrière). Au-dessous de 20 tr/min le surcouple s'ajoute ; l'inertie croît avec la "
          "masse sur la bande.",
          "Drive program 12 (resistive torque with break-away). The rolling and loss torques resist in both "
          "directions; the part due to the slope keeps its direction (overhauling load when running back). "
          "Below 20 rpm the over-torque adds; the inertia grows with the mass on the belt.",
          "Programa 12 del variador (par resistente con despegue). Los pares de rodadura y de pérdidas se "
          "oponen en ambos sentidos; la parte debida a la pendiente conserva su sentido (carga arrastrante "
          "marcha atrás). Por debajo de 20 rpm se suma el sobrepar; la inercia crece con la masa en la "
          "cinta."},
         {"Masse sur la bande (kg), vitesse linéaire (m/s), débit de matière (t/h).",
          "Mass on the belt (kg), linear speed (m/s), mass flow (t/h).",
          "Masa en la cinta (kg), velocidad lineal (m/s), caudal de materia (t/h)."},
         12});
    return f;
}

} // namespace

const std::vector<TexteFiche>& textesFiches() {
    static const std::vector<TexteFiche> f = construit();
    return f;
}
