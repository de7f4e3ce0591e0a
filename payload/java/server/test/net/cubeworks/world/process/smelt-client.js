'use strict'
// A game client of the npm package minecraft-protocol (protocol 5, 1.7.10) smelts iron in the world
// of the bundled server. "smelt": the player (a furnace, two iron ores and a coal in his hot bar)
// places the furnace, opens it, shift-clicks the ore into its input and the coal into its fuel,
// sees the furnace light (the lit furnace's block), the flame and the arrow (Window Property), the
// first ingot come out 200 ticks later, and shift-clicks it into his hot bar; the second ore is left
// smelting. "after" (the server restarted meanwhile): he opens the furnace again and finds the
// second ingot in its result, the input and fuel used up, the fire still burning.
//
// usage: node smelt-client.js PORT smelt|after    (exit status 0 and a last line "OK ..." on success)
const mc = require('minecraft-protocol')

const port = parseInt(process.argv[2], 10)
const phase = process.argv[3]
const deadline = setTimeout(() => fail('timed out; ' + JSON.stringify(summary())), 60000)

const log = console.log
console.log = function (...args) {
  const line = args.join(' ')
  if (/Chunk size is|PartialReadError|Deserialization error/.test(line)) fail('unread bytes: ' + line.slice(0, 400))
  log.apply(console, args)
}

function fail (why) {
  log('FAIL ' + why)
  if (s) s.c.end()
  process.exit(1)
}

const EMPTY = { blockId: -1 }
function item (id, count, damage) { return { blockId: id, itemCount: count, itemDamage: damage || 0 } }

let s
function summary () {
  if (!s) return {}
  return { window: s.window, type: s.windowType, title: s.title, bars: s.bars, blocks: s.blocks, inventory: s.slots[0], open: s.slots[s.window] }
}

function player (name) {
  const c = mc.createClient({ host: '127.0.0.1', port, username: name, version: '1.7.10', auth: 'offline' })
  const p = { c, name, slots: { 0: [] }, cursor: null, window: 0, confirms: {}, blocks: {}, bars: {}, waiters: [], positioned: false }
  c.on('error', (e) => fail(name + ': ' + e.message))
  c.on('end', (reason) => { if (!p.done) fail(name + ' was disconnected: ' + reason) })
  c.on('kick_disconnect', (d) => fail(name + ' kicked: ' + d.reason))
  c.on('packet', (data, meta, buffer, fullBuffer) => {
    if (fullBuffer && buffer && buffer.length !== fullBuffer.length) {
      fail(name + ': ' + meta.name + ' has ' + fullBuffer.length + ' bytes, ' + buffer.length + ' read')
    }
    switch (meta.name) {
      case 'position':
        p.positioned = true
        break
      case 'open_window':
        p.window = data.windowId
        p.windowType = data.inventoryType
        p.title = data.windowTitle
        p.given = data.useProvidedTitle
        p.slots[data.windowId] = []
        p.bars = {}
        break
      case 'close_window':
        p.window = 0
        break
      case 'window_items':
        p.slots[data.windowId] = data.items.map((i) => (i.blockId < 0 ? null : i))
        break
      case 'set_slot':
        if (data.windowId === -1) p.cursor = data.item.blockId < 0 ? null : data.item
        else if (p.slots[data.windowId]) p.slots[data.windowId][data.slot] = data.item.blockId < 0 ? null : data.item
        break
      case 'craft_progress_bar':
        if (data.windowId === p.window) p.bars[data.property] = data.value
        break
      case 'transaction':
        p.confirms[data.windowId + ':' + data.action] = data.accepted
        break
      case 'block_change':
        p.blocks[data.location.x + ',' + data.location.y + ',' + data.location.z] = data.type
        break
    }
    const still = []
    for (const w of p.waiters) { if (w.check()) w.resolve(); else still.push(w) }
    p.waiters = still
  })
  return p
}

function until (what, check) {
  return new Promise((resolve) => {
    if (check()) return resolve()
    s.waiters.push({ check, resolve, what })
  })
}

function has (w, slot, id, count) {
  const i = s.slots[w] && s.slots[w][slot]
  return count === 0 ? !i : !!i && i.blockId === id && i.itemCount === count
}

let action = 0
async function click (w, slot, button, mode, shown) {
  const a = ++action
  s.c.write('window_click', { windowId: w, slot, mouseButton: button, action: a, mode, item: shown })
  await until('click ' + a, () => (w + ':' + a) in s.confirms)
  if (!s.confirms[w + ':' + a]) fail('click ' + a + ' (window ' + w + ', slot ' + slot + ', mode ' + mode + ') refused; ' + JSON.stringify(summary()))
}

function sleep (ms) { return new Promise((resolve) => setTimeout(resolve, ms)) }

const AT = { x: 10, y: 4, z: 12 }
const HERE = AT.x + ',' + AT.y + ',' + AT.z

async function openFurnace (held, shown) {
  s.c.write('held_item_slot', { slotId: held })
  await sleep(100)
  s.c.write('block_place', { location: AT, direction: 2, heldItem: shown, cursorX: 8, cursorY: 8, cursorZ: 8 })
  await until('the furnace opens', () => s.window !== 0 && s.slots[s.window].length === 39)
  if (s.windowType !== 2 || s.title !== 'container.furnace' || s.given) fail('not a furnace window: ' + JSON.stringify(summary()))
  return s.window
}

async function smelt () {
  await until('the furnace, ore and coal', () => has(0, 36, 61, 1) && has(0, 37, 15, 2) && has(0, 38, 263, 1))
  s.c.write('held_item_slot', { slotId: 0 })
  s.c.write('block_place', { location: { x: AT.x, y: AT.y - 1, z: AT.z }, direction: 1, heldItem: item(61, 1), cursorX: 8, cursorY: 8, cursorZ: 8 })
  await until('the furnace stands', () => s.blocks[HERE] === 61)
  const w = await openFurnace(1, item(15, 2))
  // the hot bar is 30 to 38 in a furnace's window: the ore goes to the input, the coal to the fuel
  await click(w, 31, 0, 1, item(15, 2))
  await click(w, 32, 0, 1, item(263, 1))
  await until('ore in, coal lit', () => has(w, 0, 15, 2) && (has(w, 1, 263, 1) || has(w, 1, 0, 0)))
  await until('the furnace lights', () => s.blocks[HERE] === 62)
  await until('the flame and the arrow', () => s.bars[1] > 0 && s.bars[2] === 1600 && s.bars[0] > 0)
  await until('the first ingot', () => has(w, 2, 265, 1) && has(w, 0, 15, 1) && has(w, 1, 0, 0))
  await click(w, 2, 0, 1, item(265, 1))
  await until('the ingot at the hot bar\'s end', () => has(w, 38, 265, 1) && has(w, 2, 0, 0))
  s.c.write('close_window', { windowId: w })
}

async function after () {
  await until('the first ingot kept with the player', () => has(0, 44, 265, 1))
  const w = await openFurnace(3, EMPTY)
  await until('the second ingot, smelted while nobody watched, kept across the restart',
    () => has(w, 2, 265, 1) && has(w, 0, 0, 0) && has(w, 1, 0, 0))
  await until('the fire burns on', () => s.bars[1] > 0 && s.bars[0] === 0)
  s.c.write('close_window', { windowId: w })
}

async function main () {
  s = player('NodeSmelter')
  await until('position', () => s.positioned)
  if (phase === 'smelt') await smelt()
  else if (phase === 'after') await after()
  else fail('no phase ' + phase)
  await sleep(500)
  s.done = true
  clearTimeout(deadline)
  log('OK ' + JSON.stringify(summary()))
  s.c.end()
  setTimeout(() => process.exit(0), 200)
}

main().catch((e) => fail(e.stack || String(e)))
