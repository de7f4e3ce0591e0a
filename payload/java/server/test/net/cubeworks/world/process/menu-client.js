'use strict'
// A game client of the npm package minecraft-protocol (protocol 5, 1.7.10) in a plugin's menu: on
// joining it is given an enchanted, named sword and shown a chest window of 27 slots. The sword's
// tag must read (name, lore and the "ench" list) by the package's own description of the protocol;
// the client takes the diamond from the menu into its inventory (accepted), presses the emerald
// button (refused, the menu sent again) and closes the window.
//
// usage: node menu-client.js PORT    (exit status 0 and a last line "OK ..." on success)
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
  if (c) c.end()
  process.exit(1)
}

const EMPTY = { blockId: -1 }
function item (id, count, damage) { return { blockId: id, itemCount: count, itemDamage: damage || 0 } }

const s = { slots: { 0: [] }, window: 0, confirms: {}, waiters: [], windowType: -1, title: '', tag: null }
function summary () { return { window: s.window, type: s.windowType, title: s.title, open: s.slots[s.window], tag: s.tag } }

const c = mc.createClient({ host: '127.0.0.1', port, username: 'NodeShopper', version: '1.7.10', auth: 'offline' })
c.on('error', (e) => fail(e.message))
c.on('end', (reason) => { if (!s.done) fail('disconnected: ' + reason) })
c.on('kick_disconnect', (d) => fail('kicked: ' + d.reason))
c.on('packet', (data, meta, buffer, fullBuffer) => {
  if (fullBuffer && buffer && buffer.length !== fullBuffer.length) {
    fail(meta.name + ' has ' + fullBuffer.length + ' bytes, ' + buffer.length + ' read')
  }
  const keep = (i) => (i.blockId < 0 ? null : i)
  switch (meta.name) {
    case 'open_window':
      s.window = data.windowId
      s.windowType = data.inventoryType
      s.title = data.windowTitle
      s.slots[data.windowId] = []
      break
    case 'close_window':
      s.window = 0
      break
    case 'window_items':
      s.slots[data.windowId] = data.items.map(keep)
      break
    case 'set_slot':
      if (data.windowId >= 0 && s.slots[data.windowId]) s.slots[data.windowId][data.slot] = keep(data.item)
      break
    case 'transaction':
      s.confirms[data.windowId + ':' + data.action] = data.accepted
      break
  }
  const still = []
  for (const w of s.waiters) { if (w.check()) w.resolve(); else still.push(w) }
  s.waiters = still
})

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

/** The item's tag as plain values, whichever form the package gives it in. */
function tagOf (i) {
  if (!i || !i.nbtData) return null
  const simplify = mc.nbt && mc.nbt.simplify ? mc.nbt.simplify : require('prismarine-nbt').simplify
  return simplify(i.nbtData)
}

let action = 0
async function click (w, slot, button, mode, shown, accepted) {
  const a = ++action
  c.write('window_click', { windowId: w, slot, mouseButton: button, action: a, mode, item: shown })
  await until('click ' + a, () => (w + ':' + a) in s.confirms)
  if (s.confirms[w + ':' + a] !== accepted) fail('click ' + a + ' on ' + slot + ' answered ' + s.confirms[w + ':' + a])
  if (!accepted) c.write('transaction', { windowId: w, action: a, accepted: false })
}

async function main () {
  await until('the menu opens', () => s.window !== 0 && has(s.window, 4, 264, 3) && has(s.window, 22, 388, 1))
  const w = s.window
  if (s.windowType !== 0 || s.title !== 'Shop' || s.slots[w].length !== 27 + 36) fail('not the menu: ' + JSON.stringify(summary()))
  // the sword in the first hot-bar slot, window slot 27 + 27
  await until('the sword', () => has(w, 54, 276, 1) && s.slots[w][54].nbtData)
  const tag = tagOf(s.slots[w][54])
  s.tag = tag
  if (!tag || tag.display.Name !== 'Shop Sword' || tag.display.Lore[0] !== 'bought here' || tag.ench[0].id !== 16 || tag.ench[0].lvl !== 5) {
    fail('the sword\'s tag: ' + JSON.stringify(tag))
  }
  // the diamond into the first main slot (window 27): the player's inventory slot 9
  await click(w, 4, 0, 0, item(264, 3), true)
  await click(w, 27, 0, 0, EMPTY, true)
  await until('the diamond moved', () => has(w, 27, 264, 3) && has(w, 4, 0, 0))
  // the button cannot be taken: refused, the window sent again with the emerald in place
  await click(w, 22, 0, 0, item(388, 1), false)
  await until('the button stays', () => has(w, 22, 388, 1))
  c.write('close_window', { windowId: w })
  await new Promise((resolve) => setTimeout(resolve, 1000))
  s.done = true
  clearTimeout(deadline)
  log('OK ' + JSON.stringify(summary()))
  c.end()
  setTimeout(() => process.exit(0), 200)
}

main().catch((e) => fail(e.stack || String(e)))
