'use strict'
// A game client of the npm package minecraft-protocol (protocol 5, 1.7.10) that builds a small
// redstone clock with /setblock (it must be an operator) or watches one already built, and counts
// how often the clock's torch turns on or off while it watches: a redstone torch on the side of a
// stone, whose power runs through wire and two repeaters out and two back into the stone, so the
// torch turns every 10 ticks (4 repeaters of 2 ticks and the torch's own 2).
//
// usage: node redstone-client.js PORT build SECONDS
//        node redstone-client.js PORT watch SECONDS X Y Z
// prints "ORIGIN x y z" (the torch's stone row), then "OK toggles=N" and exits 0; "FAIL ..." and 1 on a fault.
const mc = require('minecraft-protocol')

const port = parseInt(process.argv[2], 10)
const mode = process.argv[3]
const seconds = parseInt(process.argv[4], 10)
let origin = mode === 'watch' ? process.argv.slice(5, 8).map((v) => parseInt(v, 10)) : null
let toggles = 0
let lastTorch = -1
let watching = false
setTimeout(() => fail('timed out'), (seconds + 40) * 1000)

const log = console.log
console.log = function (...args) {
  const line = args.join(' ')
  if (/Chunk size is|PartialReadError|Deserialization error/.test(line)) fail('unread bytes: ' + line.slice(0, 400))
  log.apply(console, args)
}

function fail (why) {
  log('FAIL ' + why)
  process.exit(1)
}

const c = mc.createClient({ host: '127.0.0.1', port, username: 'NodeEngineer', version: '1.7.10', auth: 'offline' })
c.on('error', (e) => fail(e.message))
c.on('kick_disconnect', (p) => fail('kicked: ' + p.reason))

function place (dx, dz, id, data) {
  const [x, y, z] = origin
  c.write('chat', { message: '/setblock ' + (x + dx) + ' ' + y + ' ' + (z + dz) + ' ' + id + ' ' + data })
}

function watch () {
  log('ORIGIN ' + origin.join(' '))
  setTimeout(() => { watching = true }, 2000) // the clock settles into its pace
  setTimeout(() => {
    log('OK toggles=' + toggles)
    c.end()
    process.exit(0)
  }, 2000 + seconds * 1000)
}

c.on('block_change', (p) => {
  const { x, y, z } = p.location
  const id = p.type
  if (!origin || x !== origin[0] || y !== origin[1] || z !== origin[2] + 1) return
  if ((id === 75 || id === 76) && id !== lastTorch) {
    if (watching && lastTorch !== -1) toggles++
    lastTorch = id
  }
})

c.on('position', (p) => {
  if (origin) {
    if (mode === 'watch' && !c.started) { c.started = true; watch() }
    return
  }
  // north of the spawn, out of the way of what other cases pour there
  origin = [Math.floor(p.x) + 3, Math.floor(p.y - 1.62 + 0.01), Math.floor(p.z) - 14]
  c.started = true
  // the ground first, then what stands on it; the torch last, on its stone
  place(1, 0, 93, 1)
  place(2, 0, 93, 1)
  place(1, 2, 93, 3)
  place(2, 2, 93, 3)
  place(3, 0, 55, 0)
  place(3, 1, 55, 0)
  place(3, 2, 55, 0)
  place(0, 0, 55, 0)
  place(0, 2, 1, 0)
  place(0, 1, 76, 4)
  watch()
})
