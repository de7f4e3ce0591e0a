'use strict'
// Two game clients of the npm package minecraft-protocol (protocol 5, 1.7.10) in the world of the
// bundled server: they join, one walks across a column border, the other sees it move, the
// walker digs (the dirt falls where the grass was), steps into the hole and collects it, and
// places it, the other sees the blocks change; the walker digs the dirt again, collects it and
// throws it, and the other walks to it and collects it; then the other dies in the void and
// respawns. The package reads every packet by its own description of the protocol, so a layout of
// ours that a real client would choke on shows as a packet with bytes left unread. The package
// only logs such a packet (and drops one too short to read), so both are caught here.
// Its 1.7 description names the feet y of serverbound positions "stance" and the head y "y".
//
// usage: node world-client.js PORT    (exit status 0 and a last line "OK ..." on success)
const mc = require('minecraft-protocol')

const port = parseInt(process.argv[2], 10)
const deadline = setTimeout(() => fail('timed out; ' + JSON.stringify(summary()) + ' waiting for ' + [a, b].filter(Boolean).map((s) => s.waiters.map((w) => w.what).join(',')).join(' / ') + ' ' + JSON.stringify([a, b].filter(Boolean).map((s) => s.slots))), 60000)
const clients = []

// what the package's packet reader reports about a packet it did not read exactly
const log = console.log
console.log = function (...args) {
  const line = args.join(' ')
  if (/Chunk size is|PartialReadError|Deserialization error/.test(line)) fail('unread bytes: ' + line.slice(0, 400))
  log.apply(console, args)
}

function fail (why) {
  log('FAIL ' + why)
  for (const c of clients) c.end()
  process.exit(1)
}

function key (x, z) { return x + ',' + z }

function player (name) {
  const c = mc.createClient({ host: '127.0.0.1', port, username: name, version: '1.7.10', auth: 'offline' })
  clients.push(c)
  const s = { c, name, columns: new Set(), columnsBeforePosition: -1, x: 0, y: 0, z: 0, shown: {}, blocks: {}, packets: 0, waiters: [], slots: {}, items: {}, collected: 0 }
  c.on('error', (e) => fail(name + ': ' + e.message))
  c.on('end', (reason) => { if (!s.done) fail(name + ' was disconnected: ' + reason) })
  c.on('kick_disconnect', (p) => fail(name + ' kicked: ' + p.reason))
  c.on('packet', (data, meta, buffer, fullBuffer) => {
    s.packets++
    if (fullBuffer && buffer && buffer.length !== fullBuffer.length) {
      fail(name + ': ' + meta.name + ' has ' + fullBuffer.length + ' bytes, ' + buffer.length + ' read')
    }
    if (meta.name === 'entity_destroy') for (const id of data.entityIds) delete s.items[id]
    const item = s.items[data.entityId]
    if (item && (meta.name === 'rel_entity_move' || meta.name === 'entity_move_look')) {
      item.x += data.dX / 32; item.y += data.dY / 32; item.z += data.dZ / 32
    }
    if (item && meta.name === 'entity_teleport') { item.x = data.x / 32; item.y = data.y / 32; item.z = data.z / 32 }
    switch (meta.name) {
      case 'map_chunk_bulk':
        for (const m of data.meta) s.columns.add(key(m.x, m.z))
        break
      case 'map_chunk':
        if (data.bitMap === 0) s.columns.delete(key(data.x, data.z))
        else s.columns.add(key(data.x, data.z))
        break
      case 'position':
        if (s.columnsBeforePosition < 0) s.columnsBeforePosition = s.columns.size
        s.x = data.x
        s.y = data.y - 1.62
        s.z = data.z
        break
      case 'named_entity_spawn':
        s.shown[data.entityId] = { name: data.playerName, uuid: data.playerUUID, x: data.x, y: data.y, z: data.z }
        break
      case 'entity_destroy':
        for (const id of data.entityIds) delete s.shown[id]
        break
      case 'rel_entity_move':
      case 'entity_move_look': {
        const e = s.shown[data.entityId]
        if (e) { e.x += data.dX; e.y += data.dY; e.z += data.dZ }
        break
      }
      case 'entity_teleport': {
        const e = s.shown[data.entityId]
        if (e) { e.x = data.x; e.y = data.y; e.z = data.z }
        break
      }
      case 'entity_equipment':
        s.equipment = (s.equipment || 0) + 1
        break
      case 'update_health':
        s.health = data.health
        break
      case 'respawn':
        s.respawns = (s.respawns || 0) + 1
        break
      case 'spawn_entity':
        if (data.type === 2) s.items[data.entityId] = { x: data.x / 32, y: data.y / 32, z: data.z / 32 }
        break
      case 'collect':
        s.collected++
        break
      case 'set_slot':
        if (data.windowId === 0) s.slots[data.slot] = data.item && data.item.blockId > 0 ? data.item.blockId + ':' + data.item.itemCount : ''
        break
      case 'block_change':
        s.blocks[key(data.location.x, data.location.y) + ',' + data.location.z] = data.type
        break
    }
    const still = []
    for (const w of s.waiters) { if (w.check()) w.resolve(); else still.push(w) }
    s.waiters = still
  })
  return s
}

function until (s, what, check) {
  return new Promise((resolve) => {
    if (check()) return resolve()
    s.waiters.push({ check, resolve, what })
  })
}

function shownByName (s, name) {
  for (const id in s.shown) if (s.shown[id].name === name) return s.shown[id]
  return null
}

function sleep (ms) { return new Promise((resolve) => setTimeout(resolve, ms)) }

// walks on the grass (feet at y 4) a block every 50 ms to the place
async function walk (s, x, z) {
  let px = s.x
  let pz = s.z
  while (Math.abs(px - x) > 1e-9 || Math.abs(pz - z) > 1e-9) {
    px += Math.max(-1, Math.min(1, x - px))
    pz += Math.max(-1, Math.min(1, z - pz))
    s.c.write('position', { x: px, stance: 4.0, y: 5.62, z: pz, onGround: true })
    await sleep(50)
  }
  s.x = px
  s.z = pz
}

let a, b
function summary () {
  return [a, b].filter(Boolean).map((s) => ({ name: s.name, columns: s.columns.size, packets: s.packets, shown: Object.values(s.shown).map((e) => e.name) }))
}

async function main () {
  a = player('NodeA')
  await until(a, 'position', () => a.columnsBeforePosition >= 0)
  if (a.columnsBeforePosition !== 49) fail('NodeA had ' + a.columnsBeforePosition + ' columns before its position, not 49')
  b = player('NodeB')
  await until(b, 'B shows A', () => shownByName(b, 'NodeA') !== null)
  await until(a, 'A shows B', () => shownByName(a, 'NodeB') !== null)
  const uuid = shownByName(b, 'NodeA').uuid
  if (!/^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$/.test(uuid)) fail('not a hyphenated UUID: ' + uuid)

  // NodeA walks east into column 1: the columns of x 4 arrive, those of x -3 go
  let x = a.x
  while (x < 20.5) {
    x = Math.min(20.5, x + 1)
    a.c.write('position', { x, stance: 4.0, y: 5.62, z: 0.5, onGround: true })
    await sleep(50)
  }
  await until(a, 'columns east', () => a.columns.has(key(4, 0)) && !a.columns.has(key(-3, 0)))
  await until(b, 'B sees A arrive', () => Math.abs(shownByName(b, 'NodeA').x - 20.5 * 32) < 2)

  // NodeA digs the grass under the next block (0.9 s by hand) and puts the dirt back beside it
  a.c.write('block_dig', { status: 0, location: { x: 21, y: 3, z: 1 }, face: 1 })
  await sleep(1000)
  a.c.write('block_dig', { status: 2, location: { x: 21, y: 3, z: 1 }, face: 1 })
  await until(b, 'B sees the hole', () => b.blocks['21,3,1'] === 0)
  // the dirt fell into the hole: NodeA steps in and collects it into the first slot of the hot bar
  a.c.write('position', { x: 21.5, stance: 3.0, y: 4.62, z: 1.5, onGround: true })
  await until(a, 'A collects the dirt', () => a.slots[36] === '3:1' && a.collected >= 1)
  a.c.write('block_place', { location: { x: 22, y: 3, z: 1 }, direction: 1, heldItem: { blockId: 3, itemCount: 1, itemDamage: 0 }, cursorX: 8, cursorY: 8, cursorZ: 8 })
  await until(b, 'B sees the dirt', () => b.blocks['22,4,1'] === 3)

  // NodeA digs it again, collects it and throws it (Q); NodeB walks to where it lies and collects it
  a.c.write('block_dig', { status: 0, location: { x: 22, y: 4, z: 1 }, face: 1 })
  await sleep(900)
  a.c.write('block_dig', { status: 2, location: { x: 22, y: 4, z: 1 }, face: 1 })
  await until(b, 'B sees the dirt go', () => b.blocks['22,4,1'] === 0)
  a.c.write('position', { x: 22.5, stance: 4.0, y: 5.62, z: 1.5, onGround: true })
  await until(a, 'A collects it again', () => a.slots[36] === '3:1' && a.collected >= 2)
  a.c.write('block_dig', { status: 4, location: { x: 0, y: 0, z: 0 }, face: 0 })
  await until(a, 'A\'s hand is empty', () => a.slots[36] === '')
  await until(b, 'B sees the thrown dirt', () => Object.keys(b.items).length > 0)
  await sleep(2500) // it lands, and its pickup delay of 2 s runs out
  const thrown = Object.values(b.items)[0]
  await walk(b, thrown.x, thrown.z)
  await until(b, 'B collects the dirt', () => Object.values(b.slots).indexOf('3:1') >= 0)
  await walk(b, 0.5, 0.5)

  // NodeA changes what it holds; NodeB is told
  a.c.write('held_item_slot', { slotId: 1 })
  await until(b, 'B sees what A holds', () => b.equipment >= 1)

  // NodeB walks down into the void, dies, and respawns at the spawn; NodeA sees him go and come back
  for (let y = -5; y >= -68; y -= 9) b.c.write('position', { x: 0.5, stance: y, y: y + 1.62, z: 0.5, onGround: false })
  await until(b, 'B dies', () => b.health === 0)
  await until(a, 'A no longer shows B', () => shownByName(a, 'NodeB') === null)
  b.c.write('client_command', { payload: 0 })
  await until(b, 'B respawns', () => b.respawns === 1 && b.health === 20 && Math.abs(b.y - 4) < 1e-9)
  await until(a, 'A shows B again', () => shownByName(a, 'NodeB') !== null)

  // a few seconds more of keep-alives and time updates, all read whole
  await sleep(2500)
  a.done = b.done = true
  clearTimeout(deadline)
  log('OK ' + JSON.stringify(summary()))
  a.c.end()
  b.c.end()
  setTimeout(() => process.exit(0), 200)
}

main().catch((e) => fail(e.stack || String(e)))
