'use strict'
// A game client of the npm package minecraft-protocol (protocol 5, 1.7.10) crafts in the world of
// the bundled server: the player (whose file holds three oak logs in the first hot-bar slot) makes
// planks and a crafting table in his own 2x2 grid, places the table, opens it, and makes sticks and
// a wooden pickaxe in its window. Every click must be accepted by Confirm Transaction, and every
// window packet must read whole by the package's own description of the protocol.
//
// usage: node craft-client.js PORT    (exit status 0 and a last line "OK ..." on success)
const mc = require('minecraft-protocol')

const port = parseInt(process.argv[2], 10)
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
  return { window: s.window, cursor: s.cursor, inventory: s.slots[0], open: s.slots[s.window], confirms: s.confirms.length }
}

function player (name) {
  const c = mc.createClient({ host: '127.0.0.1', port, username: name, version: '1.7.10', auth: 'offline' })
  const p = { c, name, slots: { 0: [] }, cursor: null, window: 0, confirms: {}, blocks: {}, waiters: [], positioned: false }
  p.confirms.length = 0
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
        p.slots[data.windowId] = []
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
      case 'transaction':
        p.confirms[data.windowId + ':' + data.action] = data.accepted
        p.confirms.length++
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

async function main () {
  s = player('NodeCrafter')
  await until('position', () => s.positioned)
  await until('the logs', () => has(0, 36, 17, 3))

  // planks in the 2x2 grid, one log at a time and then two
  await click(0, 36, 0, 0, item(17, 3))
  await click(0, 1, 1, 0, EMPTY)
  await click(0, 36, 0, 0, EMPTY)
  await until('planks show', () => has(0, 0, 5, 4))
  await click(0, 0, 0, 1, item(5, 4))
  await click(0, 36, 0, 0, item(17, 2))
  await click(0, 1, 0, 0, EMPTY)
  await click(0, 0, 0, 1, item(5, 4))
  await until('twelve planks', () => has(0, 44, 5, 12) && has(0, 1, 0, 0))

  // a crafting table from four of them
  await click(0, 44, 0, 0, item(5, 12))
  for (const g of [1, 2, 3, 4]) await click(0, g, 1, 0, EMPTY)
  await click(0, 44, 0, 0, EMPTY)
  await until('a table shows', () => has(0, 0, 58, 1))
  await click(0, 0, 0, 0, item(58, 1))
  await click(0, 36, 0, 0, EMPTY)
  await until('the table in hand', () => has(0, 36, 58, 1) && has(0, 44, 5, 8) && !s.cursor)
  s.c.write('close_window', { windowId: 0 })

  // placed in front, and opened with planks in hand
  s.c.write('held_item_slot', { slotId: 0 })
  s.c.write('block_place', { location: { x: 10, y: 3, z: 8 }, direction: 1, heldItem: item(58, 1), cursorX: 8, cursorY: 8, cursorZ: 8 })
  await until('the table stands', () => s.blocks['10,4,8'] === 58)
  s.c.write('held_item_slot', { slotId: 8 })
  await sleep(100)
  s.c.write('block_place', { location: { x: 10, y: 4, z: 8 }, direction: 2, heldItem: item(5, 8), cursorX: 8, cursorY: 8, cursorZ: 8 })
  await until('the window opens', () => s.window !== 0 && has(s.window, 45, 5, 8))
  if (s.windowType !== 1 || s.title !== 'Crafting' || s.slots[s.window].length !== 46) fail('not a crafting window: ' + JSON.stringify(summary()))
  const t = s.window

  // sticks, then the pickaxe
  await click(t, 45, 0, 0, item(5, 8))
  await click(t, 5, 1, 0, EMPTY)
  await click(t, 8, 1, 0, EMPTY)
  await until('sticks show', () => has(t, 0, 280, 4))
  await click(t, 0, 0, 1, item(280, 4))
  for (const g of [1, 2, 3]) await click(t, g, 1, 0, EMPTY)
  await click(t, 44, 0, 0, EMPTY)
  await click(t, 45, 0, 0, item(280, 4))
  await click(t, 5, 1, 0, EMPTY)
  await click(t, 8, 1, 0, EMPTY)
  await until('a pickaxe shows', () => has(t, 0, 270, 1))
  await click(t, 45, 0, 0, EMPTY)
  await click(t, 0, 0, 0, item(270, 1))
  await click(t, 37, 0, 0, EMPTY)
  s.c.write('close_window', { windowId: t })
  await until('the pickaxe in the inventory', () => has(0, 36, 270, 1) && has(0, 44, 280, 2) && has(0, 43, 5, 3))

  await sleep(1000)
  s.done = true
  clearTimeout(deadline)
  log('OK ' + JSON.stringify(summary()))
  s.c.end()
  setTimeout(() => process.exit(0), 200)
}

main().catch((e) => fail(e.stack || String(e)))
