package net.cubeworks.world.game.mob;

import java.util.ArrayList;
import java.util.Collection;
import java.util.HashMap;
import java.util.HashSet;
import java.util.List;
import java.util.Map;

import org.bukkit.EntityEffect;
import org.bukkit.Location;
import org.bukkit.Server;
import org.bukkit.World;
import org.bukkit.block.Block;
import org.bukkit.entity.Creature;
import org.bukkit.entity.Egg;
import org.bukkit.entity.Entity;
import org.bukkit.entity.EntityType;
import org.bukkit.entity.LivingEntity;
import org.bukkit.entity.Player;
import org.bukkit.entity.Projectile;
import org.bukkit.entity.Snowball;
import org.bukkit.event.entity.EntityDamageEvent.DamageCause;
import org.bukkit.event.entity.EntityTargetEvent.TargetReason;
import org.bukkit.event.player.PlayerTeleportEvent.TeleportCause;
import org.bukkit.inventory.EntityEquipment;
import org.bukkit.inventory.ItemStack;
import org.bukkit.potion.PotionEffect;
import org.bukkit.potion.PotionEffectType;
import org.bukkit.util.Vector;

import net.cubeworks.world.game.entity.Living;
import net.cubeworks.world.game.entity.Sight;
import net.cubeworks.world.game.entity.TrackedPosition;
import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.game.event.MobEvents;
import net.cubeworks.world.protocol.EntityMetadata;
import net.cubeworks.world.protocol.MobPackets;
import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * What every animal and monster has: its kind, health with the game's half second of resistance
 * after a hit, knock-back, death (it falls over for a second, then it is gone, leaving its drops),
 * burning, the body that walks it over the terrain along the path finder's way, the packets that
 * show it, and the plugin API's members of a creature. Each kind says what it does in
 * {@link #think}, what it drops, and its own metadata.
 */
public abstract class Mob extends Living implements Creature {
    /** Ticks after a hit in which a further hit only does what it does beyond the last. */
    public static final int RESISTANT_TICKS = 10;
    /** Ticks a dead mob lies before it is gone. */
    static final int DEATH_TICKS = 20;
    /** Knock-back of a hit, in blocks a tick. */
    static final double KNOCK_BACK = 0.4;

    public final MobKind kind;
    final Mobs mobs;
    final Body body = Body.of();
    public float headYaw;
    /** Whether it stays however far the players are (named, or kept by a plugin or the game). */
    public boolean persistent;
    public String customName;
    public boolean customNameVisible;
    /** The item in its hand (a skeleton's bow), 0 for none. */
    public int heldItem;
    /** What it wears, boots to helmet (shown to viewers; it does not protect it). */
    final ItemStack[] armour = new ItemStack[4];
    final float[] dropChances = {0.085f, 0.085f, 0.085f, 0.085f, 0.085f};
    int deathTicks;
    /** Ticks since a player was near: far ones go after a while. */
    int idleTicks;
    long lastHurtTick = -1000;
    float lastHurtDamage;
    Player killer;
    long killerUntil;
    LivingEntity target;
    /** The way it walks, and how far along it is. */
    List<int[]> path;
    int pathIndex;
    int pathGoalX;
    int pathGoalY;
    int pathGoalZ;
    /** Ticks before it may ask for a new path. */
    int pathWait;
    double pathSpeed;
    int stuckTicks;
    boolean wasBurning;
    private final Map<PotionEffectType, PotionEffect> effects = new HashMap<PotionEffectType, PotionEffect>();
    private int maximumNoDamageTicks = 20;
    private int remainingAir = 300;
    private int maximumAir = 300;
    private double maxHealth;

    protected Mob(Mobs mobs, MobKind kind, double x, double y, double z) {
        super(mobs.world.entities().nextId(), mobs.takeUuid(), mobs.world.lock(), kind.maxHealth);
        this.mobs = mobs;
        this.kind = kind;
        this.maxHealth = kind.maxHealth;
        this.x = x;
        this.y = y;
        this.z = z;
        this.yaw = mobs.random.nextFloat() * 360f;
        this.headYaw = yaw;
    }

    // --- showing it ---

    public List<PacketOut> spawnPackets(int viewerProtocol) {
        List<PacketOut> out = new ArrayList<PacketOut>(2);
        out.add(MobPackets.spawnMob(getEntityId(), kind.typeId, TrackedPosition.fixed(x), TrackedPosition.fixed(y),
                TrackedPosition.fixed(z), TrackedPosition.angle(yaw), TrackedPosition.angle(pitch),
                TrackedPosition.angle(headYaw), motionX, motionY, motionZ, metadata()));
        if (heldItem != 0) {
            out.add(PlayPackets.entityEquipment(getEntityId(), 0, heldItem, 1, 0));
        }
        for (int i = 0; i < 4; i++) {
            if (armour[i] != null && armour[i].getTypeId() != 0) {
                out.add(PlayPackets.entityEquipment(getEntityId(), i + 1, armour[i].getTypeId(), 1,
                        armour[i].getDurability()));
            }
        }
        return out;
    }

    /** The metadata a viewer is told: the flags (burning), air, health, name, and the kind's own. */
    public byte[] metadata() {
        EntityMetadata m = new EntityMetadata();
        m.putByte(0, fireTicks > 0 ? 1 : 0);
        m.putShort(1, remainingAir);
        m.putFloat(6, Math.max(0, health));
        if (customName != null) {
            m.putString(10, customName);
            m.putByte(11, customNameVisible ? 1 : 0);
        }
        kindMetadata(m);
        return m.bytes();
    }

    /** The kind's own metadata entries (its age, colour, state). */
    void kindMetadata(EntityMetadata m) {
    }

    void sendMetadata() {
        mobs.world.toViewers(this, MobPackets.entityMetadata(getEntityId(), metadata()));
    }

    public int trackingRange() {
        return 80;
    }

    // --- the tick ---

    public void tick(long tick) {
        super.tick(tick);
        if (dead) {
            if (++deathTicks >= DEATH_TICKS) {
                mobs.bodyGone(this);
                markRemoved();
            }
            return;
        }
        if (kind.family == MobKind.Family.MONSTER && mobs.world.difficulty() == 0) {
            markRemoved(); // peaceful: no monsters
            return;
        }
        if (!mobs.world.loaded(floor(x), floor(z))) {
            despawn(); // its column is gone from memory: it waits, unmoving, unless it is one that goes
            return;
        }
        burn(tick);
        if (dead) {
            return;
        }
        think(tick);
        follow();
        if (resting()) {
            despawn();
            return;
        }
        float fell = body.move(this, mobs.world);
        mobs.world.landed(this, fell); // farmland under it may be trampled
        if (body.inWater && fireTicks > 0) {
            fireTicks = 0;
        }
        if (body.inLava) {
            setOnFire(15);
            hurt(4, null, DamageCause.LAVA);
        }
        if (fell > 3 && !(this instanceof Chickenlike)) {
            hurt((float) Math.ceil(fell - 3), null, DamageCause.FALL);
        }
        if (y < -64) {
            hurt(4, null, DamageCause.VOID);
        }
        despawn();
    }

    /**
     * Whether it stands still on solid ground with nothing moving it: its body is not moved this
     * tick (most mobs most of the time), which spares the collision checks.
     */
    private boolean resting() {
        if (!onGround || path != null || body.inWater || body.inLava || Math.abs(motionX) > 0.003
                || Math.abs(motionZ) > 0.003 || motionY > 0) {
            return false;
        }
        int below = mobs.world.blockAt(floor(x), floor(y - 0.01), floor(z));
        if (!Shapes.stops(below, mobs.world.metaAt(floor(x), floor(y - 0.01), floor(z)))) {
            return false; // the ground went: it falls
        }
        motionX = 0;
        motionZ = 0;
        return true;
    }

    /** Marks the mobs that fall softly (chickens flap). */
    interface Chickenlike {
    }

    /** What the kind does this tick: pick a target or a place, set where it walks, attack. */
    abstract void think(long tick);

    private void burn(long tick) {
        boolean burning = fireTicks > 0;
        if (burning) {
            if (fireTicks % 20 == 0) {
                hurt(1, null, DamageCause.FIRE_TICK);
            }
            fireTicks--;
            if (mobs.world.raining() && skyAbove()) {
                fireTicks = 0; // the rain puts it out
            }
        }
        if (burning != fireTicks > 0 || burning != wasBurning) {
            wasBurning = fireTicks > 0;
            sendMetadata();
        }
    }

    void setOnFire(int seconds) {
        int ticks = seconds * 20;
        if (fireTicks < ticks) {
            int s = MobEvents.combust(mobs.world.host(), this, seconds);
            fireTicks = Math.max(fireTicks, s * 20);
        }
    }

    /** Whether nothing but air and see-through blocks stands above its head up to the sky. */
    boolean skyAbove() {
        int l = mobs.world.light(floor(x), floor(y + kind.height), floor(z));
        return l >= 0 && (l >> 4) == 15;
    }

    /** The far ones go: beyond 128 blocks of every player at once; beyond 32 now and then after half a minute alone. */
    void despawn() {
        if (persistent || kind.family == MobKind.Family.ANIMAL || mobs.players().isEmpty()) {
            return; // with nobody in the world, nothing is far from a player
        }
        double nearest = Double.MAX_VALUE;
        for (Player p : mobs.players()) {
            nearest = Math.min(nearest, distanceSquared(p));
        }
        if (nearest > 128 * 128) {
            markRemoved();
        } else if (nearest > 32 * 32) {
            if (++idleTicks > 600 && mobs.random.nextInt(800) == 0) {
                markRemoved();
            }
        } else {
            idleTicks = 0;
        }
    }

    // --- walking ---

    /** Walks towards the place by the path finder's way, at the speed times its own; false when no way is found now. */
    boolean walkTo(int gx, int gy, int gz, double speed) {
        if (path != null && gx == pathGoalX && gy == pathGoalY && gz == pathGoalZ && pathIndex < path.size()) {
            pathSpeed = speed;
            return true;
        }
        if (pathWait > 0) {
            pathWait--;
            return path != null;
        }
        int budget = mobs.takePathBudget(PATH_NODES);
        if (budget <= 0) {
            return path != null; // the tick's path finding is spent: next tick
        }
        PathFinder finder = new PathFinder(mobs.world, kind.room(), true);
        List<int[]> way = finder.find(floor(x), floor(y + 0.01), floor(z), gx, gy, gz, budget);
        mobs.returnPathBudget(budget - finder.visited);
        pathWait = 10 + mobs.random.nextInt(10);
        pathGoalX = gx;
        pathGoalY = gy;
        pathGoalZ = gz;
        if (way == null || way.isEmpty()) {
            path = null;
            return false;
        }
        path = way;
        pathIndex = 0;
        pathSpeed = speed;
        stuckTicks = 0;
        return true;
    }

    /** Nodes one search may look at. */
    static final int PATH_NODES = 400;

    void stopWalking() {
        path = null;
    }

    /** One tick along the way: turns towards the next place and pushes on, jumping up a block. */
    private void follow() {
        if (path == null) {
            return;
        }
        if (pathIndex >= path.size()) {
            path = null;
            return;
        }
        int[] next = path.get(pathIndex);
        double tx = next[0] + 0.5;
        double tz = next[2] + 0.5;
        double dx = tx - x;
        double dz = tz - z;
        if (dx * dx + dz * dz < 0.3 * 0.3 && Math.abs(y - next[1]) < 1.1) {
            pathIndex++;
            stuckTicks = 0;
            return;
        }
        if (++stuckTicks > 80) {
            path = null; // pushed off its way: it finds another
            return;
        }
        push(tx, tz, pathSpeed);
        if (next[1] > y + 0.5 && (onGround || body.inWater)) {
            jump();
        }
    }

    /** Faces the place and speeds towards it at the kind's walking speed times the factor. */
    void push(double tx, double tz, double factor) {
        double dx = tx - x;
        double dz = tz - z;
        double len = Math.sqrt(dx * dx + dz * dz);
        if (len < 1.0E-4) {
            return;
        }
        yaw = (float) Math.toDegrees(Math.atan2(-dx, dz));
        headYaw = yaw;
        double v = kind.speed * factor * 0.5;
        double a = onGround ? v * (1 - Body.GROUND_FRICTION) / Body.GROUND_FRICTION : 0.02 * factor;
        if (body.inWater) {
            a = 0.02 * factor;
        }
        motionX += dx / len * a;
        motionZ += dz / len * a;
        if (body.collidedHorizontally && onGround) {
            jump();
        }
    }

    void jump() {
        if (onGround) {
            motionY = Body.JUMP;
            onGround = false;
        } else if (body.inWater) {
            motionY += 0.04;
        }
    }

    /** Turns its head (and body) to look at the entity. */
    void lookAt(Entity e) {
        Location l = e.getLocation();
        double dx = l.getX() - x;
        double dz = l.getZ() - z;
        yaw = (float) Math.toDegrees(Math.atan2(-dx, dz));
        headYaw = yaw;
    }

    double distanceSquared(Entity e) {
        double dx;
        double dy;
        double dz;
        if (e instanceof WorldEntity) {
            WorldEntity w = (WorldEntity) e;
            dx = w.x - x;
            dy = w.y - y;
            dz = w.z - z;
        } else {
            Location l = e.getLocation();
            dx = l.getX() - x;
            dy = l.getY() - y;
            dz = l.getZ() - z;
        }
        return dx * dx + dy * dy + dz * dz;
    }

    static int floor(double v) {
        return Body.floor(v);
    }

    // --- targets ---

    /** The nearest player it sees within its follow range that it may attack (not creative), or null. */
    Player nearestPlayer(double range, boolean mustSee) {
        Player best = null;
        double bestD = range * range;
        for (Player p : mobs.players()) {
            if (p.isDead() || p.getGameMode() == org.bukkit.GameMode.CREATIVE) {
                continue;
            }
            double d = distanceSquared(p);
            if (d < bestD && (!mustSee || sees(p))) {
                best = p;
                bestD = d;
            }
        }
        return best;
    }

    /** Whether no block that stops sight stands between its eyes and the other's. */
    boolean sees(Entity other) {
        Location l = other.getLocation();
        double ey = other instanceof LivingEntity ? ((LivingEntity) other).getEyeHeight() : 0;
        double fx = x;
        double fy = y + kind.height * 0.85;
        double fz = z;
        double dx = l.getX() - fx;
        double dy = l.getY() + ey - fy;
        double dz = l.getZ() - fz;
        double length = Math.sqrt(dx * dx + dy * dy + dz * dz);
        int steps = (int) Math.ceil(length / 0.5);
        for (int i = 1; i < steps; i++) {
            double f = (double) i / steps;
            int id = mobs.world.blockAt(floor(fx + dx * f), floor(fy + dy * f), floor(fz + dz * f));
            if (id != 0 && Shapes.cube(id, 0) && !seeThrough(id)) {
                return false;
            }
        }
        return true;
    }

    private static boolean seeThrough(int id) {
        return id == 20 || id == 18 || id == 161 || id == 102 || id == 95 || id == 160 || id == 79;
    }

    /** Takes (or lets go of) a target, as the plugins allow. */
    void setTargetBy(LivingEntity t, TargetReason reason) {
        if (t == target) {
            return;
        }
        Entity chosen = MobEvents.target(mobs.world.host(), this, target, t, reason);
        target = chosen instanceof LivingEntity ? (LivingEntity) chosen : null;
        path = null;
    }

    // --- hurt and death ---

    /**
     * A mob's damage to a player as the difficulty makes it: none in peaceful, half and one more
     * (at most the whole) in easy, the whole in normal, half as much again in hard.
     */
    public static float scaledForDifficulty(float damage, int difficulty) {
        switch (difficulty) {
            case 0: return 0f;
            case 1: return Math.min(damage / 2f + 1f, damage);
            case 3: return damage * 3f / 2f;
            default: return damage;
        }
    }

    /**
     * A hit of the amount, by the entity (a player, a mob, an arrow's shooter) or by the world
     * (source null): the damage event, then the game's resistance (a hit within half a second of
     * the last does only what it does beyond it), the hurt flash and knock-back. True when it hurt.
     */
    public boolean hurt(float amount, Entity source, DamageCause cause) {
        if (dead || isRemoved() || amount <= 0) {
            return false;
        }
        long now = mobs.tick;
        float dealt = amount;
        if (now - lastHurtTick < RESISTANT_TICKS) {
            if (amount <= lastHurtDamage) {
                return false;
            }
            dealt = amount - lastHurtDamage;
        }
        double event = source != null ? MobEvents.damageByEntity(mobs.world.host(), source, this, cause, dealt)
                : MobEvents.damage(mobs.world.host(), this, cause, dealt);
        if (event < 0) {
            return false;
        }
        if (now - lastHurtTick >= RESISTANT_TICKS) {
            lastHurtTick = now;
            lastHurtDamage = amount;
            mobs.world.toViewers(this, PlayPackets.entityStatus(getEntityId(), PlayPackets.STATUS_HURT));
        } else {
            lastHurtDamage = amount;
        }
        Entity by = source instanceof Projectile && ((Projectile) source).getShooter() instanceof Entity
                ? (Entity) ((Projectile) source).getShooter() : source;
        if (by instanceof Player) {
            killer = (Player) by;
            killerUntil = now + 100;
        }
        if (source != null) {
            Location l = source.getLocation();
            knockBack(l.getX(), l.getZ());
        }
        health -= (float) event;
        if (by instanceof LivingEntity && by != this) {
            hurtBy((LivingEntity) by);
        }
        if (health <= 0) {
            die(cause);
        }
        return true;
    }

    /** What the kind does when something hurts it: monsters turn on it, animals run. */
    void hurtBy(LivingEntity attacker) {
    }

    /** Pushed away from the place, as a hit does. */
    void knockBack(double fromX, double fromZ) {
        double dx = x - fromX;
        double dz = z - fromZ;
        double len = Math.sqrt(dx * dx + dz * dz);
        if (len < 1.0E-4) {
            dx = mobs.random.nextDouble() - 0.5;
            dz = mobs.random.nextDouble() - 0.5;
            len = Math.sqrt(dx * dx + dz * dz);
        }
        motionX = motionX / 2 + dx / len * KNOCK_BACK;
        motionY = Math.min(KNOCK_BACK, motionY / 2 + KNOCK_BACK);
        motionZ = motionZ / 2 + dz / len * KNOCK_BACK;
        onGround = false;
        mobs.world.toViewers(this, PlayPackets.entityVelocity(getEntityId(), motionX, motionY, motionZ));
    }

    /** Death: the fall-over status, the death event with its drops and experience, the drops in the world. */
    void die(DamageCause cause) {
        if (dead) {
            return;
        }
        dead = true;
        health = 0;
        path = null;
        mobs.world.toViewers(this, PlayPackets.entityStatus(getEntityId(), MobPackets.STATUS_DEATH));
        boolean byPlayer = killer != null && mobs.tick <= killerUntil;
        List<ItemStack> drops = new ArrayList<ItemStack>();
        for (int[] d : mobs.world.mobLoot() ? drops(byPlayer, fireTicks > 0) : new ArrayList<int[]>()) {
            if (d[1] > 0) {
                drops.add(new ItemStack(d[0], d[1], (short) d[2]));
            }
        }
        int exp = MobEvents.death(mobs.world.host(), this, drops,
                byPlayer && mobs.world.mobLoot() ? MobExperience.forKill(this) : 0);
        for (ItemStack s : drops) {
            if (s != null && s.getTypeId() != 0 && s.getAmount() > 0) {
                mobs.world.drop(x, y + 0.5, z, s.getTypeId(), s.getAmount(), s.getDurability());
            }
        }
        mobs.died(this, exp);
    }

    /** What it leaves, as {item, count, damage}: killed by a player or not, burning or not. */
    abstract List<int[]> drops(boolean byPlayer, boolean burning);

    /** n of the item, n random from 0 to max (plus the looting the game has, not modelled). */
    int[] some(int item, int max) {
        return new int[] {item, mobs.random.nextInt(max + 1), 0};
    }

    /**
     * What the mob does with a player's right click holding the item; what happens to the held
     * item. The kinds that take food, shears or a bucket say so.
     */
    public Use interact(Player p, int item, int damage) {
        return Use.NOTHING;
    }

    /** What a right click does to the item held. */
    public enum Use {
        NOTHING, CONSUME_ONE, WEAR_TOOL, MILK
    }

    // --- the plugin API's members ---

    public EntityType getType() {
        return kind.type;
    }

    public Location getLocation() {
        synchronized (lock) {
            return new Location(getWorld(), x, y, z, yaw, pitch);
        }
    }

    public Location getLocation(Location loc) {
        if (loc != null) {
            synchronized (lock) {
                loc.setWorld(getWorld());
                loc.setX(x);
                loc.setY(y);
                loc.setZ(z);
                loc.setYaw(yaw);
                loc.setPitch(pitch);
            }
        }
        return loc;
    }

    public World getWorld() {
        return mobs.world.api();
    }

    public Server getServer() {
        return mobs.world.host().api();
    }

    public boolean teleport(Location location) {
        return teleport(location, TeleportCause.PLUGIN);
    }

    public boolean teleport(Location location, TeleportCause cause) {
        if (location == null || dead || isRemoved()) {
            return false;
        }
        synchronized (lock) {
            x = location.getX();
            y = location.getY();
            z = location.getZ();
            yaw = location.getYaw();
            pitch = location.getPitch();
            headYaw = yaw;
            fallDistance = 0;
            path = null;
        }
        return true;
    }

    public boolean teleport(Entity destination) {
        return destination != null && teleport(destination.getLocation());
    }

    public boolean teleport(Entity destination, TeleportCause cause) {
        return destination != null && teleport(destination.getLocation(), cause);
    }

    public boolean isValid() {
        return !isDead();
    }

    public void remove() {
        markRemoved();
    }

    public void playEffect(EntityEffect type) {
        if (type != null) {
            mobs.world.toViewers(this, PlayPackets.entityStatus(getEntityId(), type.getData()));
        }
    }

    public List<Entity> getNearbyEntities(double rx, double ry, double rz) {
        List<Entity> out = new ArrayList<Entity>();
        synchronized (lock) {
            for (WorldEntity e : mobs.world.entities().all()) {
                if (e != this && !e.isRemoved() && Math.abs(e.x - x) <= rx && Math.abs(e.y - y) <= ry
                        && Math.abs(e.z - z) <= rz) {
                    out.add(e);
                }
            }
        }
        return out;
    }

    public double getEyeHeight() {
        return kind.height * 0.85;
    }

    public double getEyeHeight(boolean ignoreSneaking) {
        return getEyeHeight();
    }

    public Location getEyeLocation() {
        Location l = getLocation();
        l.setY(l.getY() + getEyeHeight());
        return l;
    }

    public int getRemainingAir() {
        return remainingAir;
    }

    public void setRemainingAir(int ticks) {
        remainingAir = ticks;
    }

    public int getMaximumAir() {
        return maximumAir;
    }

    public void setMaximumAir(int ticks) {
        maximumAir = ticks;
    }

    public int getMaximumNoDamageTicks() {
        return maximumNoDamageTicks;
    }

    public void setMaximumNoDamageTicks(int ticks) {
        maximumNoDamageTicks = ticks;
    }

    public double getLastDamage() {
        return lastHurtDamage;
    }

    public void setLastDamage(double damage) {
        lastHurtDamage = (float) damage;
    }

    public int getNoDamageTicks() {
        long left = lastHurtTick + RESISTANT_TICKS - mobs.tick;
        return left > 0 ? (int) left * 2 : 0;
    }

    public void setNoDamageTicks(int ticks) {
        lastHurtTick = ticks <= 0 ? -1000 : mobs.tick - RESISTANT_TICKS + ticks / 2;
    }

    public Player getKiller() {
        return killer;
    }

    public boolean getRemoveWhenFarAway() {
        return !persistent;
    }

    public void setRemoveWhenFarAway(boolean remove) {
        persistent = !remove;
    }

    public boolean getCanPickupItems() {
        return false;
    }

    public void setCanPickupItems(boolean pickup) {
    }

    public void setCustomName(String name) {
        synchronized (lock) {
            customName = name == null ? null : name.length() > 64 ? name.substring(0, 64) : name;
            sendMetadata();
        }
    }

    public String getCustomName() {
        return customName;
    }

    public void setCustomNameVisible(boolean flag) {
        synchronized (lock) {
            customNameVisible = flag;
            sendMetadata();
        }
    }

    public boolean isCustomNameVisible() {
        return customNameVisible;
    }

    public boolean isLeashed() {
        return false;
    }

    public boolean setLeashHolder(Entity holder) {
        return false;
    }

    /** Nothing holds a mob on a leash here. */
    public Entity getLeashHolder() throws IllegalStateException {
        throw new IllegalStateException("Entity not leashed");
    }

    Object lock() {
        return lock;
    }

    // potion effects are kept and reported; the mobs' own effects are not applied to their state
    public boolean addPotionEffect(PotionEffect effect) {
        return addPotionEffect(effect, false);
    }

    public boolean addPotionEffect(PotionEffect effect, boolean force) {
        if (effect == null) {
            return false;
        }
        synchronized (effects) {
            if (!force && effects.containsKey(effect.getType())) {
                return false;
            }
            effects.put(effect.getType(), effect);
        }
        return true;
    }

    public boolean addPotionEffects(Collection<PotionEffect> all) {
        boolean ok = true;
        for (PotionEffect e : all) {
            ok &= addPotionEffect(e);
        }
        return ok;
    }

    public boolean hasPotionEffect(PotionEffectType type) {
        synchronized (effects) {
            return effects.containsKey(type);
        }
    }

    public void removePotionEffect(PotionEffectType type) {
        synchronized (effects) {
            effects.remove(type);
        }
    }

    public Collection<PotionEffect> getActivePotionEffects() {
        synchronized (effects) {
            return new ArrayList<PotionEffect>(effects.values());
        }
    }

    private List<Block> sight(HashSet<Byte> transparent, int maxDistance, int keep) {
        List<int[]> cells;
        synchronized (lock) {
            cells = Sight.trace(new Sight.Blocks() {
                public int idAt(int bx, int by, int bz) {
                    return mobs.world.blockAt(bx, by, bz);
                }
            }, x, y + getEyeHeight(), z, yaw, pitch, maxDistance, transparent, keep);
        }
        World w = getWorld();
        List<Block> out = new ArrayList<Block>(cells.size());
        for (int[] c : cells) {
            out.add(w.getBlockAt(c[0], c[1], c[2]));
        }
        return out;
    }

    @Deprecated
    public List<Block> getLineOfSight(HashSet<Byte> transparent, int maxDistance) {
        return sight(transparent, maxDistance, 0);
    }

    @Deprecated
    public Block getTargetBlock(HashSet<Byte> transparent, int maxDistance) {
        List<Block> last = sight(transparent, maxDistance, 1);
        return last.isEmpty() ? null : last.get(0);
    }

    @Deprecated
    public List<Block> getLastTwoTargetBlocks(HashSet<Byte> transparent, int maxDistance) {
        return sight(transparent, maxDistance, 2);
    }

    public boolean hasLineOfSight(Entity other) {
        if (other == null) {
            return false;
        }
        synchronized (lock) {
            return sees(other);
        }
    }

    public EntityEquipment getEquipment() {
        return new MobEquipment(this);
    }

    @Deprecated
    public Egg throwEgg() {
        return launchProjectile(Egg.class);
    }

    @Deprecated
    public Snowball throwSnowball() {
        return launchProjectile(Snowball.class);
    }

    @Deprecated
    public org.bukkit.entity.Arrow shootArrow() {
        return launchProjectile(org.bukkit.entity.Arrow.class);
    }

    public <T extends Projectile> T launchProjectile(Class<? extends T> type) {
        return launchProjectile(type, null);
    }

    public <T extends Projectile> T launchProjectile(Class<? extends T> type, Vector velocity) {
        synchronized (lock) {
            return mobs.launch(this, type, velocity);
        }
    }

    public LivingEntity getTarget() {
        return target;
    }

    public void setTarget(LivingEntity t) {
        synchronized (lock) {
            setTargetBy(t, t == null ? TargetReason.FORGOT_TARGET : TargetReason.CUSTOM);
        }
    }

    // --- health ---

    public double getHealth() {
        synchronized (lock) {
            return Math.max(0, health);
        }
    }

    public void setHealth(double h) {
        if (h < 0 || h > maxHealth) {
            throw new IllegalArgumentException("Health must be between 0 and " + maxHealth + ", but was " + h);
        }
        synchronized (lock) {
            health = (float) h;
            if (h == 0) {
                die(DamageCause.CUSTOM);
            } else {
                sendMetadata();
            }
        }
    }

    public double getMaxHealth() {
        return maxHealth;
    }

    public void setMaxHealth(double h) {
        if (h <= 0) {
            throw new IllegalArgumentException("Max health must be greater than 0");
        }
        synchronized (lock) {
            maxHealth = h;
            if (health > h) {
                health = (float) h;
            }
        }
    }

    public void resetMaxHealth() {
        setMaxHealth(kind.maxHealth);
    }

    public void damage(double amount) {
        damage(amount, null);
    }

    public void damage(double amount, Entity source) {
        synchronized (lock) {
            hurt((float) amount, source, source == null ? DamageCause.CUSTOM : DamageCause.ENTITY_ATTACK);
        }
    }

    public String toString() {
        return "Craft" + kind.savedId + "{id=" + getEntityId() + "}";
    }
}
