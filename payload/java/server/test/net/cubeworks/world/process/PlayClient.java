package net.cubeworks.world.process;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;
import static org.junit.Assert.fail;

import java.io.ByteArrayOutputStream;
import java.io.DataInputStream;
import java.io.DataOutputStream;
import java.io.IOException;
import java.util.ArrayList;
import java.util.HashMap;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.UUID;
import java.util.zip.DataFormatException;
import java.util.zip.Inflater;

/**
 * A game client in the play state that reads every packet by its exact layout for its
 * protocol, as the real client does, and fails on a packet it does not know or on bytes
 * left unread. It keeps what the real client would: the columns it has (with their
 * blocks), the players it shows and where, its own position, health and inventory.
 */
final class PlayClient {
    /** Another player as this client shows it. */
    static final class Shown {
        final int entityId;
        final String uuid;
        final String name;
        int x;
        int y;
        int z;
        int yaw;
        int held;
        /** The profile properties Spawn Player carried (protocol 5), each {name, value, signature}. */
        final List<String[]> properties = new ArrayList<String[]>();

        Shown(int entityId, String uuid, String name) {
            this.entityId = entityId;
            this.uuid = uuid;
            this.name = name;
        }
    }

    final TestClient net;
    final String name;
    int entityId;
    int gameMode;
    /** Set Experience: the bar, the level and the total points last sent. */
    float xpBar;
    int xpLevel;
    int xpTotal;
    /** The chat lines received, as their JSON. */
    final List<String> chat = new java.util.ArrayList<String>();
    /** Plugin messages received, each "channel:data" (NULs shown as commas). */
    final List<String> pluginMessages = new java.util.ArrayList<String>();
    String levelType;
    /** Columns this client has, with their block ids (index y<<8 | z<<4 | x), key x,z. */
    final Map<String, byte[]> columns = new LinkedHashMap<String, byte[]>();
    final Map<Integer, Shown> shown = new HashMap<Integer, Shown>();
    /** The items on the ground the client was shown, by entity id: where they appeared. */
    final Map<Integer, double[]> groundItems = new HashMap<Integer, double[]>();
    /** Collect Items read. */
    int collects;
    /** The mobs (named "mob" and their type) and thrown things ("object" and their type) shown, by entity id. */
    final Map<Integer, Shown> mobs = new HashMap<Integer, Shown>();
    /** Feet position, from the last Player Position And Look. */
    double x;
    double y;
    double z;
    int positions;
    float health = -1;
    int food;
    int spawnX;
    int spawnY;
    int spawnZ;
    int heldSlot;
    final int[] slotItem = new int[45];
    final int[] slotCount = new int[45];
    final int[] slotDamage = new int[45];
    long dayTime = -1;
    /** The world's age in ticks, as the last Time Update (one a second of game time) told it. */
    volatile long worldAge;
    int respawns;
    int unloads;
    int refusedClicks;
    /** Confirm Transactions received: {window, action, accepted 1/0}; a refused one is confirmed back, as the client does. */
    final List<int[]> confirms = new ArrayList<int[]>();
    /** The window open besides the inventory (0: none), its type and title, and its slots. */
    int window;
    int windowType;
    String windowTitle;
    final int[][] windowSlots = new int[46][3];
    /** The item on the cursor: id, count, damage. */
    final int[] cursor = new int[3];
    final List<int[]> blockChanges = new ArrayList<int[]>();
    /** Every Block Action read, as {x, y, z, byte1, byte2, blockId}. */
    final List<int[]> blockActions = new java.util.concurrent.CopyOnWriteArrayList<int[]>();
    /** Block Break Animations: {digger, x, y, z, stage}; Effects: {effect, x, y, z, data}. */
    final List<int[]> cracks = new ArrayList<int[]>();
    final List<int[]> effects = new ArrayList<int[]>();
    /** Entity Status, Entity Effect {entity, effect, amplifier, ticks} and Remove Entity Effect {entity, effect}. */
    final List<int[]> statuses = new ArrayList<int[]>();
    final List<int[]> entityEffects = new ArrayList<int[]>();
    final List<int[]> removedEffects = new ArrayList<int[]>();
    /** Named sounds as "name x8 y8 z8 volume pitch". */
    final List<String> sounds = new ArrayList<String>();
    /** Spawn Global Entity {entity, type, fx, fy, fz}. */
    final List<int[]> bolts = new ArrayList<int[]>();
    /** Update Sign lines by "x,y,z". */
    final Map<String, String> signs = new HashMap<String, String>();
    /** Statistics the server sent, by name. */
    final Map<String, Integer> statistics = new HashMap<String, Integer>();
    /** The last Change Game State reason and value, and the last abilities' speeds. */
    /** The scoreboard as the server drew it: objectives by name, scores by "entry@objective", slots, teams. */
    final Map<String, String> objectives = new HashMap<String, String>();
    final Map<String, Integer> scores = new HashMap<String, Integer>();
    final Map<Integer, String> displaySlots = new HashMap<Integer, String>();
    final Map<String, java.util.Set<String>> teams = new HashMap<String, java.util.Set<String>>();
    final Map<String, String> teamPrefixes = new HashMap<String, String>();
    /** The blocks each Explosion packet cleared, by count. */
    final List<Integer> explosions = new ArrayList<Integer>();
    /** Spawn Object packets read: {entity id, type, data}. */
    final List<int[]> objects = new ArrayList<int[]>();
    int gameStateReason = -1;
    float walkSpeed = -1;
    float flySpeed = -1;
    /** The names the tab list shows. */
    final java.util.Set<String> tabList = new java.util.LinkedHashSet<String>();
    final List<Integer> ids = new ArrayList<Integer>();
    int columnsBeforePosition = -1;
    /** Every column received, in the order received. */
    final List<int[]> arrivals = new ArrayList<int[]>();
    /** Velocities of this client's own player: {vx, vy, vz} in 1/8000. */
    final List<int[]> velocities = new ArrayList<int[]>();
    /** The completions of the last Tab-Complete answer. */
    List<String> completions;

    PlayClient(TestClient net, String name) {
        this.net = net;
        this.name = name;
    }

    static PlayClient join(int port, int protocol, String name) throws IOException {
        TestClient c = new TestClient(port, protocol);
        String refused = c.login(name);
        if (refused != null) {
            fail(name + " refused: " + refused);
        }
        PlayClient p = new PlayClient(c, name);
        p.readUntil(0x08);
        return p;
    }

    static String key(int cx, int cz) {
        return cx + "," + cz;
    }

    /** Block id as this client has it; -1 when the column is missing. */
    int block(int bx, int by, int bz) {
        byte[] c = columns.get(key(bx >> 4, bz >> 4));
        if (c == null) {
            return -1;
        }
        return c[by << 8 | (bz & 15) << 4 | (bx & 15)] & 0xFF;
    }

    private static String string(DataInputStream d) throws IOException {
        byte[] b = new byte[TestClient.readVarInt(d)];
        d.readFully(b);
        return new String(b, "UTF-8");
    }

    private static void slot(DataInputStream d, int[] out) throws IOException {
        int id = d.readShort();
        if (id < 0) {
            out[0] = 0;
            out[1] = 0;
            out[2] = 0;
            return;
        }
        out[0] = id;
        out[1] = d.readByte();
        out[2] = d.readShort();
        int nbt = d.readShort();
        if (nbt > 0) {
            d.readFully(new byte[nbt]);
        }
    }

    /** Entity metadata up to its end marker; at least one entry. */
    private static void metadata(DataInputStream d) throws IOException {
        int entries = 0;
        while (true) {
            int k = d.readUnsignedByte();
            if (k == 0x7F) {
                break;
            }
            entries++;
            switch (k >> 5) {
                case 0: d.readByte(); break;
                case 1: d.readShort(); break;
                case 2: d.readInt(); break;
                case 3: d.readFloat(); break;
                case 4: string(d); break;
                case 5: slot(d, new int[3]); break;
                case 6: d.readInt(); d.readInt(); d.readInt(); break;
                default: d.readFloat(); d.readFloat(); d.readFloat(); break;
            }
        }
        assertTrue("Spawn Player, Spawn Mob and Entity Metadata carry metadata", entries > 0);
    }

    private static byte[] inflate(byte[] data, int max) throws IOException {
        Inflater inf = new Inflater();
        try {
            inf.setInput(data);
            byte[] out = new byte[max];
            int n = inf.inflate(out);
            byte[] r = new byte[n];
            System.arraycopy(out, 0, r, 0, n);
            return r;
        } catch (DataFormatException ex) {
            throw new IOException("Bad compressed data format", ex);
        } finally {
            inf.end();
        }
    }

    /** Keeps the block ids of one column's data; returns the bytes it took. */
    private int column(int cx, int cz, int mask, byte[] data, int off) {
        byte[] blocks = new byte[65536];
        int n = Integer.bitCount(mask);
        int i = 0;
        for (int sy = 0; sy < 16; sy++) {
            if ((mask & 1 << sy) != 0) {
                System.arraycopy(data, off + i * 4096, blocks, sy * 4096, 4096);
                i++;
            }
        }
        columns.put(key(cx, cz), blocks);
        arrivals.add(new int[] {cx, cz});
        return n * (4096 + 2048 + 2048 + 2048) + 256;
    }

    /** Reads one packet, checks its layout and keeps what it says; returns its id. */
    int readOne() throws IOException {
        TestClient.Packet p = net.read();
        DataInputStream d = p.data;
        switch (p.id) {
            case 0x00: {
                int id = d.readInt();
                ByteArrayOutputStream b = new ByteArrayOutputStream();
                new DataOutputStream(b).writeInt(id);
                net.send(0x00, b.toByteArray());
                break;
            }
            case 0x01:
                entityId = d.readInt();
                gameMode = d.readUnsignedByte();
                d.readByte();
                d.readUnsignedByte();
                d.readUnsignedByte();
                levelType = string(d);
                break;
            case 0x02:
                chat.add(string(d));
                break;
            case 0x03:
                worldAge = d.readLong();
                dayTime = d.readLong();
                break;
            case 0x04: {
                Shown e = shown.get(d.readInt());
                int s = d.readShort();
                int[] item = new int[3];
                slot(d, item);
                if (e != null && s == 0) {
                    e.held = item[0];
                }
                break;
            }
            case 0x05:
                spawnX = d.readInt();
                spawnY = d.readInt();
                spawnZ = d.readInt();
                break;
            case 0x06:
                health = d.readFloat();
                food = d.readShort();
                d.readFloat();
                break;
            case 0x1F:
                xpBar = d.readFloat();
                xpLevel = d.readShort();
                xpTotal = d.readShort();
                break;
            case 0x07:
                assertEquals(0, d.readInt());
                d.readUnsignedByte();
                gameMode = d.readUnsignedByte();
                levelType = string(d);
                respawns++;
                break;
            case 0x08:
                x = d.readDouble();
                y = d.readDouble() - 1.62;
                z = d.readDouble();
                d.readFloat();
                d.readFloat();
                d.readBoolean();
                if (columnsBeforePosition < 0) {
                    columnsBeforePosition = columns.size();
                }
                positions++;
                break;
            case 0x09:
                heldSlot = d.readByte();
                break;
            case 0x0B:
                TestClient.readVarInt(d);
                d.readUnsignedByte();
                break;
            case 0x0C: {
                int id = TestClient.readVarInt(d);
                String uuid = string(d);
                String who = string(d);
                Shown s = new Shown(id, uuid, who);
                if (net.protocol >= 5) {
                    UUID.fromString(uuid); // the 1.7.10 client parses it so
                    int props = TestClient.readVarInt(d);
                    for (int i = 0; i < props; i++) {
                        s.properties.add(new String[] {string(d), string(d), string(d)});
                    }
                } else {
                    assertTrue("a plain UUID for protocol 4: " + uuid, uuid.matches("[0-9a-f]{32}"));
                }
                s.x = d.readInt();
                s.y = d.readInt();
                s.z = d.readInt();
                s.yaw = d.readByte();
                d.readByte();
                s.held = d.readShort();
                metadata(d);
                shown.put(id, s);
                break;
            }
            case 0x13: {
                int n = d.readUnsignedByte();
                for (int i = 0; i < n; i++) {
                    int gone = d.readInt();
                    shown.remove(gone);
                    groundItems.remove(gone);
                    mobs.remove(gone);
                }
                break;
            }
            case 0x0F: {
                int id = TestClient.readVarInt(d);
                Shown s = new Shown(id, "", "mob " + d.readUnsignedByte());
                s.x = d.readInt();
                s.y = d.readInt();
                s.z = d.readInt();
                s.yaw = d.readByte();
                d.readByte();
                d.readByte();
                d.readShort();
                d.readShort();
                d.readShort();
                metadata(d);
                mobs.put(id, s);
                break;
            }
            case 0x1C:
                d.readInt();
                metadata(d);
                break;
            case 0x15: case 0x17: {
                int mover = d.readInt();
                Shown s = shown.containsKey(mover) ? shown.get(mover) : mobs.get(mover);
                double[] item = groundItems.get(mover);
                int dx = d.readByte();
                int dy = d.readByte();
                int dz = d.readByte();
                if (p.id == 0x17) {
                    d.readByte();
                    d.readByte();
                }
                if (s != null) {
                    s.x += dx;
                    s.y += dy;
                    s.z += dz;
                }
                if (item != null) {
                    item[0] += dx / 32.0;
                    item[1] += dy / 32.0;
                    item[2] += dz / 32.0;
                }
                break;
            }
            case 0x16:
                d.readInt();
                d.readByte();
                d.readByte();
                break;
            case 0x18: {
                int mover = d.readInt();
                Shown s = shown.containsKey(mover) ? shown.get(mover) : mobs.get(mover);
                int tx = d.readInt();
                int ty = d.readInt();
                int tz = d.readInt();
                d.readByte();
                d.readByte();
                if (groundItems.containsKey(mover)) {
                    groundItems.put(mover, new double[] {tx / 32.0, ty / 32.0, tz / 32.0});
                }
                if (s != null) {
                    s.x = tx;
                    s.y = ty;
                    s.z = tz;
                }
                break;
            }
            case 0x19:
                d.readInt();
                d.readByte();
                break;
            case 0x21: {
                int cx = d.readInt();
                int cz = d.readInt();
                boolean groundUp = d.readBoolean();
                int mask = d.readUnsignedShort();
                int add = d.readUnsignedShort();
                byte[] compressed = new byte[d.readInt()];
                d.readFully(compressed);
                assertTrue(groundUp);
                assertEquals(0, add);
                if (mask == 0) {
                    columns.remove(key(cx, cz));
                    unloads++;
                } else {
                    column(cx, cz, mask, inflate(compressed, 16 * 12288 + 256), 0);
                }
                break;
            }
            case 0x23: {
                int bx = d.readInt();
                int by = d.readUnsignedByte();
                int bz = d.readInt();
                int id = TestClient.readVarInt(d);
                int meta = d.readUnsignedByte();
                blockChanges.add(new int[] {bx, by, bz, id, meta});
                byte[] c = columns.get(key(bx >> 4, bz >> 4));
                if (c != null) {
                    c[by << 8 | (bz & 15) << 4 | (bx & 15)] = (byte) id;
                }
                break;
            }
            case 0x24:
                blockActions.add(new int[] {d.readInt(), d.readShort(), d.readInt(), d.readUnsignedByte(),
                    d.readUnsignedByte(), TestClient.readVarInt(d)});
                break;
            case 0x25:
                cracks.add(new int[] {TestClient.readVarInt(d), d.readInt(), d.readInt(), d.readInt(), d.readByte()});
                break;
            case 0x28: {
                int effect = d.readInt();
                int ex = d.readInt();
                int ey = d.readUnsignedByte();
                int ez = d.readInt();
                effects.add(new int[] {effect, ex, ey, ez, d.readInt()});
                d.readBoolean();
                break;
            }
            case 0x26: {
                int n = d.readShort();
                byte[] compressed = new byte[d.readInt()];
                boolean sky = d.readBoolean();
                assertTrue("sky light in the overworld", sky);
                d.readFully(compressed);
                assertTrue("at most 10 columns a packet", n <= 10);
                byte[] data = inflate(compressed, n * 196864);
                int off = 0;
                for (int i = 0; i < n; i++) {
                    int cx = d.readInt();
                    int cz = d.readInt();
                    int mask = d.readUnsignedShort();
                    assertEquals(0, d.readUnsignedShort());
                    off += column(cx, cz, mask, data, off);
                }
                assertEquals("column data all read", data.length, off);
                break;
            }
            case 0x2B:
                gameStateReason = d.readUnsignedByte();
                d.readFloat();
                break;
            case 0x1A:
                statuses.add(new int[] {d.readInt(), d.readByte()});
                break;
            case 0x1D:
                entityEffects.add(new int[] {d.readInt(), d.readByte(), d.readByte(), d.readShort()});
                break;
            case 0x1E:
                removedEffects.add(new int[] {d.readInt(), d.readByte()});
                break;
            case 0x29:
                sounds.add(string(d) + " " + d.readInt() + " " + d.readInt() + " " + d.readInt() + " " + d.readFloat()
                        + " " + d.readUnsignedByte());
                break;
            case 0x2C:
                bolts.add(new int[] {TestClient.readVarInt(d), d.readByte(), d.readInt(), d.readInt(), d.readInt()});
                break;
            case 0x33: {
                String at = d.readInt() + "," + d.readShort() + "," + d.readInt();
                signs.put(at, string(d) + "|" + string(d) + "|" + string(d) + "|" + string(d));
                break;
            }
            case 0x0E: {
                int id = TestClient.readVarInt(d);
                int type = d.readByte();
                Shown thrown = new Shown(id, "", "object " + type);
                thrown.x = d.readInt();
                thrown.y = d.readInt();
                thrown.z = d.readInt();
                double[] at = {thrown.x / 32.0, thrown.y / 32.0, thrown.z / 32.0};
                d.readByte();
                d.readByte();
                int data = d.readInt();
                if (data != 0) {
                    d.readShort();
                    d.readShort();
                    d.readShort();
                }
                objects.add(new int[] {id, type, data});
                if (type == 2) {
                    groundItems.put(id, at); // an item on the ground
                }
                mobs.put(id, thrown);
                break;
            }
            case 0x27: {
                float ex = d.readFloat();
                float ey = d.readFloat();
                float ez = d.readFloat();
                assertTrue("a radius", d.readFloat() > 0);
                int n = d.readInt();
                for (int i = 0; i < n; i++) {
                    int bx = (int) Math.floor(ex) + d.readByte();
                    int by = (int) Math.floor(ey) + d.readByte();
                    int bz = (int) Math.floor(ez) + d.readByte();
                    byte[] c = columns.get(key(bx >> 4, bz >> 4));
                    if (c != null && by >= 0 && by < 256) {
                        c[by << 8 | (bz & 15) << 4 | (bx & 15)] = 0;
                    }
                }
                d.readFloat();
                d.readFloat();
                d.readFloat();
                explosions.add(n);
                break;
            }
            case 0x3B: {
                String objective = string(d);
                String display = string(d);
                int mode = d.readByte();
                if (mode == 1) {
                    objectives.remove(objective);
                } else {
                    objectives.put(objective, display);
                }
                break;
            }
            case 0x3C: {
                String entry = string(d);
                if (d.readByte() == 1) {
                    scores.keySet().removeIf(k -> k.startsWith(entry + "@"));
                } else {
                    String objective = string(d);
                    assertTrue("a score of a known objective", objectives.containsKey(objective));
                    scores.put(entry + "@" + objective, d.readInt());
                }
                break;
            }
            case 0x3D: {
                int slot = d.readByte();
                String objective = string(d);
                if (objective.isEmpty()) {
                    displaySlots.remove(slot);
                } else {
                    displaySlots.put(slot, objective);
                }
                break;
            }
            case 0x3E: {
                String team = string(d);
                int mode = d.readByte();
                if (mode == 1) {
                    teams.remove(team);
                    break;
                }
                if (mode == 0 || mode == 2) {
                    string(d);
                    teamPrefixes.put(team, string(d));
                    string(d);
                    d.readByte();
                }
                if (mode == 0) {
                    teams.put(team, new java.util.LinkedHashSet<String>());
                }
                if (mode == 0 || mode == 3 || mode == 4) {
                    int n = d.readShort();
                    for (int i = 0; i < n; i++) {
                        String player = string(d);
                        if (mode == 4) {
                            teams.get(team).remove(player);
                        } else {
                            teams.get(team).add(player);
                        }
                    }
                }
                break;
            }
            case 0x37: {
                int n = TestClient.readVarInt(d);
                for (int i = 0; i < n; i++) {
                    statistics.put(string(d), TestClient.readVarInt(d));
                }
                break;
            }
            case 0x2D:
                window = d.readUnsignedByte();
                windowType = d.readUnsignedByte();
                windowTitle = string(d);
                assertEquals(9, d.readUnsignedByte());
                assertTrue(d.readBoolean());
                break;
            case 0x2E:
                assertEquals(window, d.readUnsignedByte());
                window = 0;
                break;
            case 0x2F: {
                int w = d.readByte();
                int s = d.readShort();
                int[] item = new int[3];
                slot(d, item);
                if (w == -1) {
                    assertEquals(-1, s);
                    System.arraycopy(item, 0, cursor, 0, 3);
                } else if (w == 0) {
                    slotItem[s] = item[0];
                    slotCount[s] = item[1];
                    slotDamage[s] = item[2];
                } else {
                    assertEquals(window, w);
                    System.arraycopy(item, 0, windowSlots[s], 0, 3);
                }
                break;
            }
            case 0x30: {
                int w = d.readUnsignedByte();
                int n = d.readShort();
                assertEquals(w == 0 ? 45 : 46, n);
                int[] item = new int[3];
                for (int s = 0; s < n; s++) {
                    slot(d, item);
                    if (w == 0) {
                        slotItem[s] = item[0];
                        slotCount[s] = item[1];
                        slotDamage[s] = item[2];
                    } else {
                        assertEquals(window, w);
                        System.arraycopy(item, 0, windowSlots[s], 0, 3);
                    }
                }
                break;
            }
            case 0x32: {
                int w = d.readUnsignedByte();
                int action = d.readShort();
                boolean accepted = d.readBoolean();
                confirms.add(new int[] {w, action, accepted ? 1 : 0});
                if (!accepted) {
                    refusedClicks++;
                    ByteArrayOutputStream b = new ByteArrayOutputStream();
                    DataOutputStream o = new DataOutputStream(b);
                    o.writeByte(w);
                    o.writeShort(action);
                    o.writeBoolean(true);
                    net.send(0x0F, b.toByteArray());
                }
                break;
            }
            case 0x38: {
                String listed = string(d);
                if (d.readBoolean()) {
                    tabList.add(listed);
                } else {
                    tabList.remove(listed);
                }
                d.readShort();
                break;
            }
            case 0x39:
                d.readByte();
                flySpeed = d.readFloat();
                walkSpeed = d.readFloat();
                break;
            case 0x3F: {
                String channel = string(d);
                byte[] data = new byte[d.readShort()];
                d.readFully(data);
                pluginMessages.add(channel + ":" + new String(data, "UTF-8").replace('\u0000', ','));
                break;
            }
            case 0x12: {
                int id = d.readInt();
                int[] v = {d.readShort(), d.readShort(), d.readShort()};
                if (id == entityId) {
                    velocities.add(v);
                }
                break;
            }
            case 0x3A: {
                List<String> got = new ArrayList<String>();
                for (int n = TestClient.readVarInt(d); n > 0; n--) {
                    got.add(string(d));
                }
                completions = got;
                break;
            }
            case 0x0D: { // Collect Item
                int collected = d.readInt();
                d.readInt();
                groundItems.remove(collected);
                collects++;
                break;
            }
            case 0x11: // Spawn Experience Orb
                TestClient.readVarInt(d);
                d.readInt();
                d.readInt();
                d.readInt();
                d.readShort();
                break;
            case 0x40:
                fail(name + " disconnected: " + string(d));
                break;
            default:
                fail(name + ": packet 0x" + Integer.toHexString(p.id) + " is not expected");
        }
        assertEquals(name + ": bytes left unread in packet 0x" + Integer.toHexString(p.id), 0, d.available());
        ids.add(p.id);
        return p.id;
    }

    /** Reads until a packet with the id has been read; returns how many packets were read. */
    int readUntil(int id) throws IOException {
        int n = 0;
        long deadline = System.currentTimeMillis() + 10000;
        while (System.currentTimeMillis() < deadline) {
            n++;
            if (readOne() == id) {
                return n;
            }
        }
        throw new IOException(name + ": no packet 0x" + Integer.toHexString(id));
    }

    /** Reads what arrives within the time. */
    void drain(long ms) throws IOException {
        long deadline = System.currentTimeMillis() + ms;
        while (true) {
            long left = deadline - System.currentTimeMillis();
            if (left <= 0) {
                return;
            }
            net.socket.setSoTimeout((int) left);
            try {
                // on loopback a packet arrives whole, so the time-out falls between packets
                readOne();
            } catch (java.net.SocketTimeoutException ex) {
                return;
            } finally {
                net.socket.setSoTimeout(5000);
            }
        }
    }

    /**
     * Reads until the condition holds, or fails after 20 seconds: a bound for a server whose ticks
     * run behind on a busy machine, never a measure of how fast it is.
     */
    void until(String what, Check check) throws IOException {
        long deadline = System.currentTimeMillis() + 20000;
        while (!check.ok()) {
            if (System.currentTimeMillis() > deadline) {
                fail(name + ": " + what);
            }
            readOne();
        }
    }

    interface Check {
        boolean ok();
    }

    Shown shownByName(String who) {
        for (Shown s : shown.values()) {
            if (s.name.equals(who)) {
                return s;
            }
        }
        return null;
    }

    // --- sending ---

    /**
     * Steps into the hole of a block just dug below the ground (the feet where it was) and waits
     * there until it has collected what fell into it, then steps back up where it stood.
     */
    void collectFromHole(int bx, int by, int bz, String what, Check got) throws IOException {
        double backX = x;
        double backY = y;
        double backZ = z;
        position(bx + 0.5, by, bz + 0.5);
        until(what, got);
        position(backX, backY, backZ);
    }

    void position(double px, double feet, double pz) throws IOException {
        ByteArrayOutputStream b = new ByteArrayOutputStream();
        DataOutputStream o = new DataOutputStream(b);
        o.writeDouble(px);
        o.writeDouble(feet);
        o.writeDouble(feet + 1.62);
        o.writeDouble(pz);
        o.writeBoolean(true);
        net.send(0x04, b.toByteArray());
    }

    /** Player Look: where the player faces (yaw 0 +z, pitch 90 straight down). */
    void look(float yaw, float pitch) throws IOException {
        ByteArrayOutputStream b = new ByteArrayOutputStream();
        DataOutputStream o = new DataOutputStream(b);
        o.writeFloat(yaw);
        o.writeFloat(pitch);
        o.writeBoolean(true);
        net.send(0x05, b.toByteArray());
    }

    void dig(int status, int bx, int by, int bz) throws IOException {
        ByteArrayOutputStream b = new ByteArrayOutputStream();
        DataOutputStream o = new DataOutputStream(b);
        o.writeByte(status);
        o.writeInt(bx);
        o.writeByte(by);
        o.writeInt(bz);
        o.writeByte(1);
        net.send(0x07, b.toByteArray());
    }

    /**
     * Digs as a survival client does, standing on the ground where it is: the start, the time
     * the dig takes (reading meanwhile), the finish.
     */
    void digFor(int bx, int by, int bz, long ms) throws IOException {
        position(x, y, z);
        dig(0, bx, by, bz);
        drain(ms);
        dig(2, bx, by, bz);
    }

    void place(int bx, int by, int bz, int face, int item) throws IOException {
        ByteArrayOutputStream b = new ByteArrayOutputStream();
        DataOutputStream o = new DataOutputStream(b);
        o.writeInt(bx);
        o.writeByte(by);
        o.writeInt(bz);
        o.writeByte(face);
        if (item <= 0) {
            o.writeShort(-1);
        } else {
            o.writeShort(item);
            o.writeByte(1);
            o.writeShort(0);
            o.writeShort(-1);
        }
        o.writeByte(8);
        o.writeByte(8);
        o.writeByte(8);
        net.send(0x08, b.toByteArray());
    }

    void creativeSlot(int s, int item, int count, byte[] nbt) throws IOException {
        ByteArrayOutputStream b = new ByteArrayOutputStream();
        DataOutputStream o = new DataOutputStream(b);
        o.writeShort(s);
        o.writeShort(item);
        o.writeByte(count);
        o.writeShort(0);
        if (nbt == null) {
            o.writeShort(-1);
        } else {
            o.writeShort(nbt.length);
            o.write(nbt);
        }
        net.send(0x10, b.toByteArray());
    }

    /** Click Window with the item the client shows for the click (id -1: none). */
    void click(int w, int s, int button, int action, int mode, int id, int count, int damage) throws IOException {
        ByteArrayOutputStream b = new ByteArrayOutputStream();
        DataOutputStream o = new DataOutputStream(b);
        o.writeByte(w);
        o.writeShort(s);
        o.writeByte(button);
        o.writeShort(action);
        o.writeByte(mode);
        o.writeShort(id);
        if (id >= 0) {
            o.writeByte(count);
            o.writeShort(damage);
            o.writeShort(-1);
        }
        net.send(0x0E, b.toByteArray());
    }

    void closeWindow(int w) throws IOException {
        net.send(0x0D, new byte[] {(byte) w});
    }

    /** Entity Action: crouch (true) or stand up. */
    void sneak(boolean down) throws IOException {
        ByteArrayOutputStream b = new ByteArrayOutputStream();
        DataOutputStream o = new DataOutputStream(b);
        o.writeInt(entityId);
        o.writeByte(down ? 1 : 2);
        o.writeInt(0);
        net.send(0x0B, b.toByteArray());
    }

    /** The data of the newest Block Change at the block; -1 when none came. */
    int changedData(int bx, int by, int bz) {
        for (int i = blockChanges.size() - 1; i >= 0; i--) {
            int[] c = blockChanges.get(i);
            if (c[0] == bx && c[1] == by && c[2] == bz) {
                return c[4];
            }
        }
        return -1;
    }

    void hold(int slot) throws IOException {
        net.send(0x09, new byte[] {(byte) (slot >> 8), (byte) slot});
    }

    /** Plugin Message: the channel, then the data behind its length as a short. */
    void pluginMessage(String channel, byte[] data) throws IOException {
        ByteArrayOutputStream b = new ByteArrayOutputStream();
        TestClient.writeString(b, channel);
        new DataOutputStream(b).writeShort(data.length);
        b.write(data);
        net.send(0x17, b.toByteArray());
    }

    /** Use Entity: a left click (attack) or a right click on the entity. */
    void useEntity(int target, boolean attack) throws IOException {
        ByteArrayOutputStream b = new ByteArrayOutputStream();
        DataOutputStream o = new DataOutputStream(b);
        o.writeInt(target);
        o.writeByte(attack ? 1 : 0);
        net.send(0x02, b.toByteArray());
    }

    /** Tab-Complete: the text before the cursor. */
    void tabComplete(String text) throws IOException {
        ByteArrayOutputStream b = new ByteArrayOutputStream();
        TestClient.writeString(b, text);
        net.send(0x14, b.toByteArray());
    }

    /** Chat Message: a line typed in chat. */
    void say(String text) throws IOException {
        ByteArrayOutputStream b = new ByteArrayOutputStream();
        TestClient.writeString(b, text);
        net.send(0x01, b.toByteArray());
    }

    void respawn() throws IOException {
        net.send(0x16, new byte[] {0});
    }

    void close() {
        net.close();
    }
}
