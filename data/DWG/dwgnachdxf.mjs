// Turns a DWG file into a DXF file for the program's DXF reader.
//
//   node --liftoff-only dwgnachdxf.mjs IN.dwg OUT.dxf
//
// Exit codes: 0 written (a damaged file may be written in part; stderr then
// says "DWG beschädigt"), 2 the file cannot be read, 3 the DWG library is not
// installed, 1 anything else. Nothing goes to stdout: the library's own log
// is sent to stderr.
import fs from 'node:fs';

const [eingabe, ausgabe] = process.argv.slice(2);
if (!eingabe || !ausgabe) {
  process.stderr.write('Aufruf: dwgnachdxf.mjs EINGABE.dwg AUSGABE.dxf\n');
  process.exit(1);
}

// Error bits of the library; from 128 on nothing usable was read.
const KRITISCH = 128;
const TYP_LAYER = 51;

let createModule;
try {
  ({ createModule } = await import('@mlightcad/libredwg-web'));
} catch (e) {
  process.stderr.write(`DWG-Bibliothek fehlt: ${e.message}\n`);
  process.exit(3);
}

const log = (s) => process.stderr.write(s + '\n');
const dwg = await createModule({ print: log, printErr: log });
dwg.FS.writeFile('/ein.dwg', fs.readFileSync(eingabe));

// Which layers are switched off. The library's DXF writer gets this wrong
// (it marks nearly every layer as off), its object API gets it right.
function ausgeschalteteLayer() {
  const gelesen = dwg.dwg_read_file('/ein.dwg');
  if (!gelesen || gelesen.error >= KRITISCH) {
    process.stderr.write(`DWG nicht lesbar, Fehlercode ${gelesen ? gelesen.error : '?'}\n`);
    process.exit(2);
  }
  const aus = new Map();
  const anzahl = dwg.dwg_get_num_objects(gelesen.data);
  for (let i = 0; i < anzahl; i++) {
    const objekt = dwg.dwg_get_object(gelesen.data, i);
    if (!objekt || dwg.dwg_object_get_fixedtype(objekt) !== TYP_LAYER) continue;
    const layer = dwg.dwg_object_to_object_tio(objekt);
    const name = dwg.dwg_dynapi_entity_value(layer, 'name');
    const ausgeschaltet = dwg.dwg_dynapi_entity_value(layer, 'off');
    if (name && name.success !== false && typeof name.data === 'string')
      aus.set(name.data, Boolean(ausgeschaltet && ausgeschaltet.data));
  }
  dwg.dwg_free(gelesen.data);
  return aus;
}

// Sets the sign of each layer's colour (code 62) in the LAYER table: negative
// means switched off. Only the table is touched, the rest is copied as it is.
function setzeLayerzustand(dxf, aus) {
  const text = Buffer.from(dxf.buffer, dxf.byteOffset, dxf.byteLength).toString('latin1');
  const kopf = text.search(/\n *2\r?\nLAYER\r?\n/);
  if (kopf < 0) return dxf;
  const anfang = kopf + 1;  // at the code line of the table's name
  const ende = text.indexOf('ENDTAB', anfang);
  if (ende < 0) return dxf;
  const zeilen = text.slice(anfang, ende).split('\n');
  let name = null;
  for (let i = 0; i + 1 < zeilen.length; i += 2) {
    const code = zeilen[i].trim();
    const wert = zeilen[i + 1].replace(/\r$/, '');
    if (code === '0') {
      name = null;
    } else if (code === '2') {
      name = Buffer.from(wert, 'latin1').toString('utf8');
    } else if (code === '62' && name !== null && aus.has(name)) {
      const farbe = Math.abs(parseInt(wert, 10));
      if (Number.isFinite(farbe)) {
        const cr = zeilen[i + 1].endsWith('\r') ? '\r' : '';
        zeilen[i + 1] = String(aus.get(name) ? -farbe : farbe).padStart(6) + cr;
      }
    }
  }
  return Buffer.concat([
    Buffer.from(text.slice(0, anfang), 'latin1'),
    Buffer.from(zeilen.join('\n'), 'latin1'),
    Buffer.from(text.slice(ende), 'latin1'),
  ]);
}

const aus = ausgeschalteteLayer();
const fehler = dwg.dwg_write_dxf('/ein.dwg', '/aus.dxf');
if (fehler >= KRITISCH) {
  process.stderr.write(`DWG nicht lesbar, Fehlercode ${fehler}\n`);
  process.exit(2);
}
let dxf;
try {
  dxf = dwg.FS.readFile('/aus.dxf');
} catch {
  process.stderr.write(`DWG ohne Ausgabe, Fehlercode ${fehler}\n`);
  process.exit(2);
}
fs.writeFileSync(ausgabe, setzeLayerzustand(dxf, aus));
if (fehler !== 0) process.stderr.write(`DWG beschädigt, Fehlercode ${fehler}\n`);
// At once: the runtime would otherwise keep the process alive.
process.exit(0);
