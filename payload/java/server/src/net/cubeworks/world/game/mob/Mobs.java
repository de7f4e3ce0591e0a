package net.cubeworks.world.game.mob;

import java.util.ArrayList;
import java.util.List;
import java.util.Random;

import org.bukkit.entity.Arrow;
import org.bukkit.entity.LivingEntity;
import org.bukkit.entity.Player;
import org.bukkit.entity.Projectile;
import org.bukkit.event.entity.CreatureSpawnEvent.SpawnReason;
import org.bukkit.projectiles.ProjectileSource;
import org.bukkit.util.Vector;

import net.cubeworks.world.game.entity.EntityCodecs;
import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.game.event.MobEvents;

/**
 * The world's mobs as a whole: making one of a kind and bringing it in (with the spawn event),
 * natural spawning by the game's rules (monsters every tick, animals every 400), the path finding
 * budget each tick shares, and arrows shot by mobs and plugins. Runs on the game thread.
 */
public final class Mobs {
    /** Path finder nodes all the mobs together may look at in one tick. */
    public static final int PATH_BUDGET = 3000;
    static final int ANIMAL_ROUND_TICKS = 400;

    public final MobWorld world;
    public final Random random;
    long tick;
    private int pathBudget = PATH_BUDGET;
    private List<Player> players = new ArrayList<Player>();
    /** The columns natural spawning counts, found again every second. */
    private List<Long> counted;
    static final int COUNTED_TICKS = 20;
    /** The experience each dead mob leaves when its body goes. */
    private final java.util.Map<Mob, Integer> experienceDue = new java.util.WeakHashMap<Mob, Integer>();

    public Mobs(MobWorld world, Random random) {
        this.world = world;
        this.random = random;
    }

    /** The mobs' share of the world's tick, before the entities' own ticks: natural spawning. */
    public void tick(long now) {
        List<Player> online = new ArrayList<Player>();
        for (WorldEntity e : world.entities().all()) {
            if (e instanceof Player && !e.isRemoved() && ((Player) e).isOnline()) {
                online.add((Player) e);
            }
        }
        tickWith(now, online);
    }

    /** The tick with the players in the world given. */
    void tickWith(long now, List<Player> online) {
        tick = now;
        pathBudget = PATH_BUDGET;
        players = online;
        if (players.isEmpty()) {
            counted = null;
            return;
        }
        if (counted == null || now % COUNTED_TICKS == 0) {
            counted = new ArrayList<Long>(NaturalSpawning.counted(players)); // players move slowly: once a second
        }
        if (world.raining() && world.thundering()) {
            storm();
        }
        int[] counts = counts();
        if (world.spawnMonsters() && world.difficulty() > 0) {
            NaturalSpawning.round(this, MobKind.Family.MONSTER, players, counted, counts[0]);
        }
        if (now % ANIMAL_ROUND_TICKS == 0) {
            if (world.spawnAnimals()) {
                NaturalSpawning.round(this, MobKind.Family.ANIMAL, players, counted, counts[1]);
            }
            NaturalSpawning.round(this, MobKind.Family.WATER, players, counted, counts[2]);
        }
    }

    /** The living mobs of each family: monsters, animals, water creatures. */
    public int[] counts() {
        int[] out = new int[3];
        for (WorldEntity e : world.entities().all()) {
            if (e instanceof Mob && !e.isRemoved()) {
                out[((Mob) e).kind.family.ordinal()]++;
            }
        }
        return out;
    }

    /** The players in the world this tick. */
    List<Player> players() {
        return players;
    }

    /** The unique id the next mob made takes (one read from the world's files), or null for a new one. */
    private java.util.UUID nextUuid;

    java.util.UUID takeUuid() {
        java.util.UUID u = nextUuid;
        nextUuid = null;
        return u != null ? u : java.util.UUID.randomUUID();
    }

    /** A mob of the kind with the unique id it was kept with. */
    Mob create(MobKind kind, double x, double y, double z, java.util.UUID uuid) {
        nextUuid = uuid;
        try {
            return create(kind, x, y, z);
        } finally {
            nextUuid = null;
        }
    }

    /** A new mob of the kind at the place, not yet in the world. */
    public Mob create(MobKind kind, double x, double y, double z) {
        switch (kind) {
            case ZOMBIE: return new ZombieMob(this, x, y, z);
            case SKELETON: return new SkeletonMob(this, x, y, z);
            case SPIDER: return new SpiderMob(this, x, y, z);
            case CREEPER: return new CreeperMob(this, x, y, z);
            case ENDERMAN: return new EndermanMob(this, x, y, z);
            case PIG: return new PigMob(this, x, y, z);
            case COW: return new CowMob(this, x, y, z);
            case SHEEP: return new SheepMob(this, x, y, z);
            case CHICKEN: return new ChickenMob(this, x, y, z);
            case SQUID: return new SquidMob(this, x, y, z);
            default: throw new IllegalArgumentException(kind.name());
        }
    }

    /** How mobs are kept in their column's Entities: each kind by its saved id, with the game's tags. */
    public void register(EntityCodecs codecs) {
        register(codecs, MobKind.ZOMBIE, ZombieMob.class);
        register(codecs, MobKind.SKELETON, SkeletonMob.class);
        register(codecs, MobKind.SPIDER, SpiderMob.class);
        register(codecs, MobKind.CREEPER, CreeperMob.class);
        register(codecs, MobKind.ENDERMAN, EndermanMob.class);
        register(codecs, MobKind.PIG, PigMob.class);
        register(codecs, MobKind.COW, CowMob.class);
        register(codecs, MobKind.SHEEP, SheepMob.class);
        register(codecs, MobKind.CHICKEN, ChickenMob.class);
        register(codecs, MobKind.SQUID, SquidMob.class);
    }

    private <T extends Mob> void register(EntityCodecs codecs, MobKind kind, Class<T> type) {
        codecs.register(kind.savedId, type, entry -> MobCodec.read(this, entry),
                (T m, java.util.Map<String, Object> entry) -> entry.putAll(MobCodec.write(m)));
    }

    /** Brings the mob into the world unless a plugin cancels its spawn event; true when it came. */
    public boolean add(Mob m, SpawnReason reason) {
        if (!MobEvents.spawn(world.host(), m, reason) || m.isRemoved()) {
            return false;
        }
        m.sent.reset(m, tick);
        world.entities().add(m);
        return true;
    }

    /** Makes and brings in a mob of the kind; null when a plugin cancelled it. */
    public Mob spawn(MobKind kind, double x, double y, double z, float yaw, SpawnReason reason) {
        Mob m = create(kind, x, y, z);
        m.yaw = yaw;
        m.headYaw = yaw;
        return add(m, reason) ? m : null;
    }

    /** In a thunderstorm, each counted column is struck one tick in 100,000, where the rain falls. */
    private void storm() {
        for (long k : counted) {
            if (random.nextInt(100000) != 0) {
                continue;
            }
            int x = net.cubeworks.world.level.ColumnKey.x(k) * 16 + random.nextInt(16);
            int z = net.cubeworks.world.level.ColumnKey.z(k) * 16 + random.nextInt(16);
            if (!world.loaded(x, z)) {
                continue;
            }
            int y = world.height(x, z);
            int light = world.light(x, y, z);
            if (light >= 0 && light >> 4 == 15) {
                strike(x + 0.5, y, z + 0.5, false);
            }
        }
    }

    /** A bolt of lightning at the place (only seen and heard when an effect); null when a plugin stopped it. */
    public LightningBolt strike(double x, double y, double z, boolean effect) {
        LightningBolt bolt = new LightningBolt(this, x, y, z, effect);
        return bolt.strike() ? bolt : null;
    }

    /** Animals with a column of new land. */
    public void newLand(int cx, int cz) {
        if (world.spawnAnimals()) {
            NaturalSpawning.newLand(this, cx, cz);
        }
    }

    int takePathBudget(int want) {
        int n = Math.min(want, pathBudget);
        pathBudget -= n;
        return n;
    }

    void returnPathBudget(int n) {
        if (n > 0) {
            pathBudget += n;
        }
    }

    void died(Mob m, int experience) {
        if (experience > 0) {
            experienceDue.put(m, experience);
        }
    }

    /** The body of a dead mob has fallen over: its experience falls as orbs where it lies. */
    void bodyGone(Mob m) {
        Integer points = experienceDue.remove(m);
        if (points != null) {
            world.dropExperience(m.x, m.y, m.z, points);
        }
    }

    /** A place a body of the mob can stand on within the distances, found in ten tries, or null. */
    int[] randomPlaceNear(Mob m, int horizontal, int vertical) {
        PathFinder check = new PathFinder(world, m.kind.room(), true);
        for (int i = 0; i < 10; i++) {
            int x = Mob.floor(m.x) + random.nextInt(2 * horizontal + 1) - horizontal;
            int y = Mob.floor(m.y) + random.nextInt(2 * vertical + 1) - vertical;
            int z = Mob.floor(m.z) + random.nextInt(2 * horizontal + 1) - horizontal;
            if (world.loaded(x, z) && check.standable(x, y, z)) {
                return new int[] {x, y, z};
            }
        }
        return null;
    }

    /**
     * An arrow shot by the shooter (a mob or a player) from its eyes along its look at the speed
     * in blocks a tick; in the world, shown to all, and returned.
     */
    public ArrowEntity shootArrow(ProjectileSource shooter, double x, double y, double z, float yaw, float pitch,
            float speed, float inaccuracy) {
        ArrowEntity arrow = new ArrowEntity(this, shooter, x, y, z);
        double yr = Math.toRadians(yaw);
        double pr = Math.toRadians(pitch);
        arrow.aim(-Math.sin(yr) * Math.cos(pr), -Math.sin(pr), Math.cos(yr) * Math.cos(pr), speed, inaccuracy);
        world.entities().add(arrow);
        return arrow;
    }

    /**
     * A snowball or an egg the living thing throws from its eyes along its look (a player's use of
     * one, or a plugin's), unless a plugin stops it (ProjectileLaunchEvent): then null.
     */
    public Thrown throwFrom(LivingEntity from, boolean egg) {
        org.bukkit.Location eye = from.getEyeLocation();
        Thrown t = egg ? new EggEntity(this, from, eye.getX(), eye.getY(), eye.getZ())
                : new SnowballEntity(this, from, eye.getX(), eye.getY(), eye.getZ());
        t.throwFrom(eye.getX(), eye.getY(), eye.getZ(), eye.getYaw(), eye.getPitch(), Thrown.SPEED);
        if (!net.cubeworks.world.game.event.ProjectileEvents.launch(world.host(), t)) {
            return null;
        }
        world.entities().add(t);
        return t;
    }

    /**
     * A projectile a plugin has a living entity launch: arrows, snowballs and eggs fly, unless a
     * plugin stops it (ProjectileLaunchEvent); other kinds are not made here. Null when none flies.
     */
    public <T extends Projectile> T launch(LivingEntity from, Class<? extends T> type, Vector velocity) {
        if (type.isAssignableFrom(SnowballEntity.class) && type != Projectile.class
                || type.isAssignableFrom(EggEntity.class) && type != Projectile.class) {
            Thrown t = throwFrom(from, type.isAssignableFrom(EggEntity.class));
            if (t != null && velocity != null) {
                t.motionX = velocity.getX();
                t.motionY = velocity.getY();
                t.motionZ = velocity.getZ();
            }
            @SuppressWarnings("unchecked")
            T thrown = (T) t;
            return thrown;
        }
        if (!type.isAssignableFrom(ArrowEntity.class) || !(Arrow.class.isAssignableFrom(type) || type == Projectile.class)) {
            return null;
        }
        org.bukkit.Location l = from.getEyeLocation();
        ArrowEntity arrow = shootArrow(from, l.getX(), l.getY() - 0.1, l.getZ(), l.getYaw(), l.getPitch(), 1.6f, 1f);
        if (!net.cubeworks.world.game.event.ProjectileEvents.launch(world.host(), arrow)) {
            arrow.markRemoved();
            return null;
        }
        if (velocity != null) {
            arrow.motionX = velocity.getX();
            arrow.motionY = velocity.getY();
            arrow.motionZ = velocity.getZ();
        }
        @SuppressWarnings("unchecked")
        T t = (T) arrow;
        return t;
    }
}
