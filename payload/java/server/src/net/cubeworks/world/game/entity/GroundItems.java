package net.cubeworks.world.game.entity;

import java.util.ArrayList;
import java.util.HashMap;
import java.util.Iterator;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Map;
import java.util.Random;
import java.util.Set;

import org.bukkit.Location;
import org.bukkit.World;
import org.bukkit.entity.Player;

import net.cubeworks.world.game.event.ItemEvents;
import net.cubeworks.world.game.item.PlayerInventory;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.game.world.Terrain;
import net.cubeworks.world.level.Items;
import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * The world's items on the ground, by the game's rules: new ones (dropped where a block broke,
 * thrown by a player, fallen from a dead one), stacks of the same item that come near each other
 * merging into the larger (as far as one stack holds), players collecting those within a block of
 * them (as much as fits their inventory, the collection shown to everybody who sees the item), and
 * the plugins told of it all. Used on the game thread under the world lock.
 */
public final class GroundItems implements ItemDrops {
    /** Who sees what: the world's tracker. */
    public interface Viewers {
        /** Sends the packet to every client that shows the entity. */
        void toViewers(WorldEntity e, PacketOut packet);

        /** Sends the packet to every player within the distance of the place. */
        void near(double x, double y, double z, double distance, PacketOut packet);
    }

    /** Whether a block is a solid cube an item lies on and cannot pass. */
    public interface Solid {
        boolean solid(int blockId);
    }

    /** Items a player may throw in a second; more are refused and stay with him. */
    public static final int THROWS_PER_SECOND = 64;
    /** Sideways, an item is collected by a player within this of his box (the game's reach of a block). */
    static final double REACH_ACROSS = 0.3 + 1.0 + ItemEntity.HALF;
    /** An item merges with those within half a block beside its box, at its own height. */
    static final double MERGE_ACROSS = 2 * ItemEntity.HALF + 0.5;

    final Object lock;
    final Entities entities;
    final World world;
    final Random random = new Random();
    private final GameHost host;
    final Terrain terrain;
    private final Solid solid;
    private final Viewers viewers;
    private final Set<ItemEntity> live = new LinkedHashSet<ItemEntity>();
    private final Set<ExperienceOrb> orbs = new LinkedHashSet<ExperienceOrb>();
    /** The tick each player (by entity id) last took an orb: one every 2 ticks. */
    private final Map<Integer, Long> lastOrb = new HashMap<Integer, Long>();
    private long ticks;
    /** Throws this second, by player name, and the second they count for. */
    private final Map<String, Integer> throwsThisSecond = new HashMap<String, Integer>();
    private long throwSecond = -1;

    public GroundItems(Object lock, Entities entities, GameHost host, World world, Terrain terrain, Solid solid,
            Viewers viewers) {
        this.lock = lock;
        this.entities = entities;
        this.host = host;
        this.world = world;
        this.terrain = terrain;
        this.solid = solid;
        this.viewers = viewers;
    }

    int blockAt(int x, int y, int z) {
        return terrain.blockAt(x, y, z);
    }

    boolean solid(int blockId) {
        return solid.solid(blockId);
    }

    /** The items on the ground now. */
    public int size() {
        return live.size();
    }

    /** How items are kept in their column: as "Item", with the game's tags. */
    public void register(EntityCodecs codecs) {
        codecs.register("Item", ItemEntity.class, new EntityCodecs.Reader() {
            public WorldEntity read(Map<String, Object> entry) {
                return readItem(entry);
            }
        }, new EntityCodecs.Writer<ItemEntity>() {
            public void write(ItemEntity item, Map<String, Object> entry) {
                ItemEntities.write(item, entry);
            }
        });
        codecs.register("XPOrb", ExperienceOrb.class, new EntityCodecs.Reader() {
            public WorldEntity read(Map<String, Object> entry) {
                return readOrb(entry);
            }
        }, new EntityCodecs.Writer<ExperienceOrb>() {
            public void write(ExperienceOrb orb, Map<String, Object> entry) {
                entry.put("Health", orb.health);
                entry.put("Age", (short) orb.age);
                entry.put("Value", (short) Math.min(orb.value(), Short.MAX_VALUE));
            }
        });
    }

    private ExperienceOrb readOrb(Map<String, Object> entry) {
        int value = EntityCodecs.number(entry.get("Value"), 0).intValue();
        if (value <= 0) {
            return null;
        }
        ExperienceOrb orb = new ExperienceOrb(this, entities.nextId(), EntityCodecs.uuid(entry), value);
        EntityCodecs.readCommon(entry, orb);
        orb.health = EntityCodecs.number(entry.get("Health"), 5).shortValue();
        orb.age = EntityCodecs.number(entry.get("Age"), 0).shortValue();
        orbs.add(orb);
        return orb;
    }

    /**
     * Experience falling at the place, as the game lets it fall: in orbs of its sizes (2477, 1237,
     * ..., 3, 1), the largest first, each with a push of its own.
     */
    public void dropExperience(double x, double y, double z, int amount) {
        while (amount > 0) {
            int value = ExperienceOrb.split(amount);
            amount -= value;
            ExperienceOrb orb = new ExperienceOrb(this, entities.nextId(), java.util.UUID.randomUUID(), value);
            orb.x = x;
            orb.y = y;
            orb.z = z;
            orb.yaw = random.nextFloat() * 360f;
            orb.motionX = (random.nextDouble() * 0.2 - 0.1) * 2;
            orb.motionY = random.nextDouble() * 0.2 * 2;
            orb.motionZ = (random.nextDouble() * 0.2 - 0.1) * 2;
            orb.sent.reset(orb, 0);
            entities.add(orb);
            orbs.add(orb);
        }
    }

    private ItemEntity readItem(Map<String, Object> entry) {
        ItemEntity item = ItemEntities.read(this, entities.nextId(), entry);
        if (item != null) {
            live.add(item);
        }
        return item;
    }

    // --- new items ---

    /** A new item at the place with the push every new item gets; not in the world yet. */
    private ItemEntity make(double x, double y, double z, int itemId, int count, int data, Object tag) {
        ItemEntity item = new ItemEntity(this, entities.nextId(), java.util.UUID.randomUUID(), itemId, count, data, tag);
        item.x = x;
        item.y = y;
        item.z = z;
        item.yaw = random.nextFloat() * 360f;
        item.motionX = random.nextDouble() * 0.2 - 0.1;
        item.motionY = 0.2;
        item.motionZ = random.nextDouble() * 0.2 - 0.1;
        item.pickupDelay = ItemEntity.BLOCK_DROP_DELAY;
        return item;
    }

    /** Puts the item into the world once the plugins let it; false when one kept it out. */
    private boolean enter(ItemEntity item) {
        if (!ItemEvents.spawn(host, item, new Location(world, item.x, item.y, item.z))) {
            return false;
        }
        if (item.isRemoved() || item.count() <= 0) {
            return false; // a plugin took the stack away
        }
        item.sent.reset(item, 0);
        entities.add(item);
        live.add(item);
        return true;
    }

    /** Takes an item read back with its column into the world (no event: it was there before). */
    public void revive(ItemEntity item) {
        item.sent.reset(item, 0);
        entities.add(item);
        live.add(item);
    }

    public ItemEntity dropItemNaturally(double x, double y, double z, int itemId, int count, int data, Object tag) {
        double dx = random.nextFloat() * 0.7 - 0.35;
        double dy = random.nextFloat() * 0.7 - 0.35;
        double dz = random.nextFloat() * 0.7 - 0.35;
        return dropItem(x + dx, y + dy, z + dz, itemId, count, data, tag);
    }

    public ItemEntity dropItem(double x, double y, double z, int itemId, int count, int data, Object tag) {
        if (itemId <= 0 || count <= 0) {
            return null;
        }
        ItemEntity item = make(x, y, z, itemId, count, data, tag);
        return enter(item) ? item : null;
    }

    /**
     * A player throws the stack from his eyes: ahead of him as he looks (a hand's throw), or, as
     * his things fall when he dies, in any direction (spread). It is thrown once the plugins let
     * the item be (ItemSpawnEvent); whether they let him throw it (PlayerDropItemEvent) is asked
     * by the caller, who takes it back when not. Null when it did not come into the world.
     */
    public ItemEntity throwFrom(WorldEntity body, double eyeY, String name, int itemId, int count, int data, Object tag,
            boolean spread) {
        if (itemId <= 0 || count <= 0) {
            return null;
        }
        ItemEntity item = make(body.x, eyeY - 0.3, body.z, itemId, count, data, tag);
        item.pickupDelay = ItemEntity.THROWN_DELAY;
        item.thrower = name;
        if (spread) {
            double speed = random.nextFloat() * 0.5;
            double angle = random.nextFloat() * Math.PI * 2;
            item.motionX = -Math.sin(angle) * speed;
            item.motionZ = Math.cos(angle) * speed;
            item.motionY = 0.2;
        } else {
            double yaw = Math.toRadians(body.yaw);
            double pitch = Math.toRadians(body.pitch);
            double speed = 0.3;
            item.motionX = -Math.sin(yaw) * Math.cos(pitch) * speed;
            item.motionZ = Math.cos(yaw) * Math.cos(pitch) * speed;
            item.motionY = -Math.sin(pitch) * speed + 0.1;
            double angle = random.nextFloat() * Math.PI * 2;
            double off = 0.02 * random.nextFloat();
            item.motionX += Math.cos(angle) * off;
            item.motionY += (random.nextFloat() - random.nextFloat()) * 0.1f;
            item.motionZ += Math.sin(angle) * off;
        }
        return enter(item) ? item : null;
    }

    /**
     * Whether the player may throw another item this second (at most {@link #THROWS_PER_SECOND}),
     * counting it when he may.
     */
    public boolean mayThrow(String name, long tick) {
        long second = tick / 20;
        if (second != throwSecond) {
            throwSecond = second;
            throwsThisSecond.clear();
        }
        Integer n = throwsThisSecond.get(name);
        int now = n == null ? 0 : n;
        if (now >= THROWS_PER_SECOND) {
            return false;
        }
        throwsThisSecond.put(name, now + 1);
        return true;
    }

    /** Asks the plugins whether the player may throw the item; when not, it leaves the world at once, unseen. */
    public boolean dropAllowed(Player p, ItemEntity item) {
        if (ItemEvents.drop(host, p, item)) {
            return true;
        }
        forget(item);
        return false;
    }

    /** The height of a player's eyes above his feet. */
    static final double EYE_HEIGHT = 1.62;

    /**
     * The player throws the stack (taken out of his slots already) ahead of him, as Q does, once
     * his throws this second allow and the plugins let it; refused, it goes back to him (see
     * {@link #giveBack}). True when it was thrown.
     */
    public boolean playerThrow(Collector c, int itemId, int count, int data, Object tag, long tick) {
        if (itemId <= 0 || count <= 0) {
            return false;
        }
        WorldEntity body = c.body();
        String name = c.player().getName();
        if (mayThrow(name, tick)) {
            ItemEntity item = throwFrom(body, body.y + EYE_HEIGHT, name, itemId, count, data, tag, false);
            if (item != null && dropAllowed(c.player(), item)) {
                return true;
            }
        }
        giveBack(c, itemId, count, data, tag);
        return false;
    }

    /**
     * Puts a stack back into the player's inventory, then on his cursor when that is empty;
     * what still does not fit falls at his feet whatever the plugins say, so nothing is lost.
     */
    public void giveBack(Collector c, int itemId, int count, int data, Object tag) {
        PlayerInventory inv = c.inventory();
        List<Integer> changed = new ArrayList<Integer>();
        int left = inv.give(itemId, count, data, tag, changed);
        if (left > 0 && inv.count(PlayerInventory.CURSOR) == 0 && inv.open != inv.own) {
            inv.set(PlayerInventory.CURSOR, itemId, left, data, tag);
            changed.add(PlayerInventory.CURSOR);
            left = 0;
        }
        c.slotsChanged(changed);
        if (left > 0) {
            fallAtFeet(c.body(), c.player().getName(), itemId, left, data, tag);
        }
    }

    /**
     * Puts the stack on the ground where the player stands, with no plugin's say: what has no
     * other place to go (a full inventory at a window's closing, a player leaving).
     */
    public ItemEntity fallAtFeet(WorldEntity body, String name, int itemId, int count, int data, Object tag) {
        if (itemId <= 0 || count <= 0) {
            return null;
        }
        ItemEntity item = make(body.x, body.y + EYE_HEIGHT - 0.3, body.z, itemId, count, data, tag);
        item.pickupDelay = ItemEntity.THROWN_DELAY;
        item.thrower = name;
        item.sent.reset(item, 0);
        entities.add(item);
        live.add(item);
        return item;
    }

    /**
     * Empties the inventory (armour, main, hot bar, the crafting grid and the cursor) as a dying
     * player's things leave him, answering them as the plugin API's stacks.
     */
    public static List<org.bukkit.inventory.ItemStack> takeAll(PlayerInventory inv) {
        List<org.bukkit.inventory.ItemStack> out = new ArrayList<org.bukkit.inventory.ItemStack>();
        for (int s = 1; s <= PlayerInventory.CURSOR; s++) {
            if (inv.count(s) > 0 && inv.item(s) > 0) {
                out.add(net.cubeworks.world.game.item.ApiItems.stack(inv.item(s), inv.count(s), inv.data(s), inv.tag(s)));
            }
            inv.set(s, 0, 0, 0, null);
        }
        inv.own.updateResult();
        return out;
    }

    /** A dead player's things fall around where he died, each stack its own way. */
    public void deathFall(WorldEntity body, String name, List<org.bukkit.inventory.ItemStack> drops) {
        for (org.bukkit.inventory.ItemStack s : drops) {
            if (s != null && s.getTypeId() > 0 && s.getAmount() > 0) {
                throwFrom(body, body.y + EYE_HEIGHT, name, s.getTypeId(), s.getAmount(), s.getDurability(),
                        net.cubeworks.world.game.item.ApiItems.tag(s), true);
            }
        }
    }

    /** Takes an item out of the world at once, without telling anybody (it was never shown). */
    private void forget(ItemEntity item) {
        item.markRemoved();
        entities.remove(item);
        live.remove(item);
    }

    /** Its five minutes are up: true when it goes, false when a plugin keeps it. */
    boolean despawning(ItemEntity item) {
        if (!ItemEvents.despawn(host, item, new Location(world, item.x, item.y, item.z))) {
            return false;
        }
        item.markRemoved();
        return true;
    }

    /** Takes an item out of the world to be kept with its column, unseen by anybody. */
    public void park(ItemEntity item) {
        forget(item);
    }

    // --- each tick, after every entity's own ---

    /** Merges the stacks that came near each other, lets the players collect, and shows changed stacks. */
    public void tick(List<? extends Collector> players) {
        Map<Long, List<ItemEntity>> grid = null;
        for (Iterator<ItemEntity> it = live.iterator(); it.hasNext();) {
            ItemEntity item = it.next();
            if (item.isRemoved()) {
                it.remove();
                continue;
            }
            if (item.wantsMerge) {
                if (grid == null) {
                    grid = grid();
                }
                item.wantsMerge = false;
                mergeNear(item, grid);
            }
        }
        ticks++;
        for (Collector c : players) {
            if (c.mayCollect()) {
                collect(c);
            }
        }
        if (!orbs.isEmpty()) {
            tickOrbs(players);
        }
        for (ItemEntity item : live) {
            if (item.stackChanged) {
                item.stackChanged = false;
                if (!item.isRemoved()) {
                    viewers.toViewers(item, item.metadataPacket());
                }
            }
        }
    }

    /** A block column's key, its bits mixed (a one-to-one map) so that neighbouring columns hash apart. */
    private static long cell(int bx, int bz) {
        return ((long) bx << 32 | (bz & 0xFFFFFFFFL)) * 0x9E3779B97F4A7C15L;
    }

    /** The items by the block column they are in. */
    private Map<Long, List<ItemEntity>> grid() {
        Map<Long, List<ItemEntity>> grid = new HashMap<Long, List<ItemEntity>>();
        for (ItemEntity item : live) {
            if (item.isRemoved()) {
                continue;
            }
            long k = cell(ItemEntity.floor(item.x), ItemEntity.floor(item.z));
            List<ItemEntity> in = grid.get(k);
            if (in == null) {
                in = new ArrayList<ItemEntity>(2);
                grid.put(k, in);
            }
            in.add(item);
        }
        return grid;
    }

    /** The items in the block columns within reach across of the place. */
    private static List<ItemEntity> around(Map<Long, List<ItemEntity>> grid, double x, double z, double reach) {
        List<ItemEntity> out = new ArrayList<ItemEntity>();
        for (int bx = ItemEntity.floor(x - reach); bx <= ItemEntity.floor(x + reach); bx++) {
            for (int bz = ItemEntity.floor(z - reach); bz <= ItemEntity.floor(z + reach); bz++) {
                List<ItemEntity> in = grid.get(cell(bx, bz));
                if (in != null) {
                    out.addAll(in);
                }
            }
        }
        return out;
    }

    private void mergeNear(ItemEntity item, Map<Long, List<ItemEntity>> grid) {
        for (ItemEntity other : around(grid, item.x, item.z, MERGE_ACROSS)) {
            if (item.isRemoved()) {
                return;
            }
            if (other == item || other.isRemoved() || Math.abs(other.x - item.x) >= MERGE_ACROSS
                    || Math.abs(other.z - item.z) >= MERGE_ACROSS
                    || Math.abs(other.y - item.y) >= 2 * ItemEntity.HALF) {
                continue;
            }
            merge(item, other);
        }
    }

    /**
     * The game's merge of two stacks of one item: the smaller goes into the larger when both
     * fit one stack; the one left keeps the longer pickup delay and the younger age. True when
     * they merged.
     */
    static boolean merge(ItemEntity a, ItemEntity b) {
        if (a == b || a.isRemoved() || b.isRemoved() || !a.sameItem(b)) {
            return false;
        }
        int max = Items.maxStack(a.itemId());
        if (a.count() >= max || b.count() >= max || a.count() + b.count() > max) {
            return false;
        }
        ItemEntity into = b.count() < a.count() ? a : b;
        ItemEntity from = into == a ? b : a;
        into.setStack(into.itemId(), into.count() + from.count(), into.data(), into.tag());
        into.pickupDelay = Math.max(into.pickupDelay, from.pickupDelay);
        into.age = Math.min(into.age, from.age);
        from.markRemoved();
        return true;
    }

    /** The player collects the items within his reach (a plain look over all: cheaper than a grid each tick). */
    private void collect(Collector c) {
        WorldEntity body = c.body();
        List<ItemEntity> near = null;
        for (ItemEntity item : live) {
            if (Math.abs(item.x - body.x) < REACH_ACROSS && Math.abs(item.z - body.z) < REACH_ACROSS) {
                if (near == null) {
                    near = new ArrayList<ItemEntity>(4);
                }
                near.add(item);
            }
        }
        if (near == null) {
            return;
        }
        for (ItemEntity item : near) {
            if (item.isRemoved() || item.pickupDelay != 0 || Math.abs(item.x - body.x) >= REACH_ACROSS
                    || Math.abs(item.z - body.z) >= REACH_ACROSS || item.y + ItemEntity.HALF <= body.y - 0.5
                    || item.y - ItemEntity.HALF >= body.y + 1.8 + 0.5) {
                continue;
            }
            if (item.owner != null && ItemEntity.LIFETIME - item.age > 200 && !item.owner.equals(c.player().getName())) {
                continue;
            }
            pickUp(c, item);
        }
    }

    /** Orbs drift toward the nearest player within 8 blocks; one that touches a player is his. */
    private void tickOrbs(List<? extends Collector> players) {
        for (Iterator<ExperienceOrb> it = orbs.iterator(); it.hasNext();) {
            ExperienceOrb orb = it.next();
            if (orb.isRemoved()) {
                it.remove();
                continue;
            }
            Collector nearest = null;
            double best = ExperienceOrb.REACH * ExperienceOrb.REACH;
            for (Collector c : players) {
                if (!c.mayCollect()) {
                    continue;
                }
                WorldEntity b = c.body();
                double dx = b.x - orb.x;
                double dy = b.y + EYE_HEIGHT - orb.y;
                double dz = b.z - orb.z;
                double d = dx * dx + dy * dy + dz * dz;
                if (d < best) {
                    best = d;
                    nearest = c;
                }
            }
            orb.target = nearest == null ? null : nearest.body();
            if (nearest == null) {
                continue;
            }
            WorldEntity b = nearest.body();
            boolean touches = Math.abs(orb.x - b.x) < 0.3 + 1.0 + 0.25 && Math.abs(orb.z - b.z) < 0.3 + 1.0 + 0.25
                    && orb.y + 0.25 > b.y - 0.5 && orb.y - 0.25 < b.y + 1.8 + 0.5;
            Long last = lastOrb.get(b.getEntityId());
            if (!touches || last != null && ticks - last < 2) {
                continue;
            }
            lastOrb.put(b.getEntityId(), ticks);
            int points = ItemEvents.expChange(host, nearest.player(), orb.value());
            PacketOut collect = PlayPackets.collectItem(orb.getEntityId(), b.getEntityId());
            viewers.toViewers(orb, collect);
            nearest.send(collect);
            float pitch = 0.5f * ((random.nextFloat() - random.nextFloat()) * 0.7f + 1.8f);
            viewers.near(b.x, b.y, b.z, 16, PlayPackets.namedSoundEffect("random.orb", b.x, b.y, b.z, 0.1f, pitch));
            orb.markRemoved();
            it.remove();
            if (points > 0) {
                nearest.player().giveExp(points);
            }
        }
        if (lastOrb.size() > 256) {
            lastOrb.clear();
        }
    }

    /** The orbs in the world, for the plugin API and the tests. */
    public List<ExperienceOrb> orbs() {
        List<ExperienceOrb> out = new ArrayList<ExperienceOrb>();
        for (ExperienceOrb orb : orbs) {
            if (!orb.isRemoved()) {
                out.add(orb);
            }
        }
        return out;
    }

    /** How many of the item's stack fit the inventory. */
    static int fits(PlayerInventory inv, ItemEntity item) {
        return Math.min(item.count(), inv.room(item.itemId(), item.data(), item.tag()));
    }

    /** The player takes what fits of the item, once the plugins let him; everybody who sees it sees it go to him. */
    void pickUp(Collector c, ItemEntity item) {
        int fit = fits(c.inventory(), item);
        if (fit <= 0) {
            return;
        }
        if (!ItemEvents.pickup(host, c.player(), item, item.count() - fit)) {
            return;
        }
        if (item.isRemoved() || item.count() <= 0) {
            return; // a plugin took it meanwhile
        }
        fit = Math.min(fit, fits(c.inventory(), item));
        List<Integer> changed = new ArrayList<Integer>();
        c.inventory().give(item.itemId(), fit, item.data(), item.tag(), changed);
        c.slotsChanged(changed);
        PacketOut collect = PlayPackets.collectItem(item.getEntityId(), c.body().getEntityId());
        viewers.toViewers(item, collect);
        c.send(collect);
        float pitch = ((random.nextFloat() - random.nextFloat()) * 0.7f + 1f) * 2f;
        viewers.near(c.body().x, c.body().y, c.body().z, 16, PlayPackets.namedSoundEffect("random.pop",
                c.body().x, c.body().y, c.body().z, 0.2f, pitch));
        int left = item.count() - fit;
        item.setStack(left > 0 ? item.itemId() : 0, left, item.data(), item.tag());
    }

    /** The items in the world, for the plugin API and the tests. */
    public List<ItemEntity> all() {
        List<ItemEntity> out = new ArrayList<ItemEntity>();
        for (ItemEntity item : live) {
            if (!item.isRemoved()) {
                out.add(item);
            }
        }
        return out;
    }
}
