package net.cubeworks.world.game.mob;

import java.lang.reflect.InvocationHandler;
import java.lang.reflect.Method;
import java.lang.reflect.Proxy;
import java.util.ArrayList;
import java.util.List;

import org.bukkit.GameMode;
import org.bukkit.Location;
import org.bukkit.Server;
import org.bukkit.World;
import org.bukkit.command.CommandSender;
import org.bukkit.entity.Entity;
import org.bukkit.entity.Player;
import org.bukkit.event.Cancellable;
import org.bukkit.event.Event;

import net.cubeworks.world.game.entity.Entities;
import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.protocol.PacketOut;

/**
 * A made-up world for the mobs' rules: a grid terrain, the sky light open above the highest
 * block and dark below it (or a light a test sets), a clock, the settings, and a record of what
 * the mobs asked of it (events, hurt players, explosions, drops).
 */
final class GridWorld implements MobWorld {
    final Grid grid;
    final Entities entities = new Entities();
    final Object lock = new Object();
    long dayTime = 6000;
    int difficulty = 2;
    boolean monsters = true;
    boolean animals = true;
    boolean raining;
    boolean thundering;
    /** A light every place has, or -1 for the open sky over the terrain. */
    int fixedLight = -1;
    int blockLight;
    int[] spawn = {0, 4, 0};
    final List<Event> events = new ArrayList<Event>();
    /** The kinds of events a test cancels. */
    final List<Class<?>> cancel = new ArrayList<Class<?>>();
    final List<String> hurt = new ArrayList<String>();
    final List<double[]> explosions = new ArrayList<double[]>();
    final List<int[]> drops = new ArrayList<int[]>();
    final List<Integer> experience = new ArrayList<Integer>();
    boolean mobLoot = true;
    boolean griefing = true;
    /** What a test's listener does with each event, or null. */
    java.util.function.Consumer<Event> onEvent;
    final List<PacketOut> shown = new ArrayList<PacketOut>();

    GridWorld(Grid grid) {
        this.grid = grid;
    }

    /** A listener that does nothing, so that the game makes the mobs' events for this world's host to record. */
    private static final org.bukkit.event.Listener LISTENER = new org.bukkit.event.Listener() {
    };

    @SuppressWarnings("unchecked")
    private static final Class<? extends Event>[] HEARD = new Class[] {
        org.bukkit.event.entity.CreatureSpawnEvent.class, org.bukkit.event.entity.EntityTargetEvent.class,
        org.bukkit.event.entity.EntityDeathEvent.class, org.bukkit.event.entity.EntityExplodeEvent.class,
        org.bukkit.event.entity.ExplosionPrimeEvent.class, org.bukkit.event.entity.EntityShootBowEvent.class,
        org.bukkit.event.entity.EntityCombustEvent.class, org.bukkit.event.player.PlayerShearEntityEvent.class,
        org.bukkit.event.entity.SheepRegrowWoolEvent.class, org.bukkit.event.entity.ProjectileHitEvent.class,
        org.bukkit.event.weather.LightningStrikeEvent.class, org.bukkit.event.entity.EntityDamageEvent.class,
        org.bukkit.event.entity.ProjectileLaunchEvent.class, org.bukkit.event.player.PlayerEggThrowEvent.class,
        org.bukkit.event.entity.EntityTeleportEvent.class,
    };

    /** Makes the mobs' events heard (each test that records them calls this first, and {@link #deaf} after). */
    static void listen() throws Exception {
        for (Class<? extends Event> c : HEARD) {
            org.bukkit.event.HandlerList list = (org.bukkit.event.HandlerList) c.getMethod("getHandlerList").invoke(null);
            list.register(new org.bukkit.plugin.RegisteredListener(LISTENER, new org.bukkit.plugin.EventExecutor() {
                public void execute(org.bukkit.event.Listener l, Event e) {
                }
            }, org.bukkit.event.EventPriority.NORMAL, net.cubeworks.world.game.TestGames.plugin("grid"), false));
        }
    }

    static void deaf() {
        org.bukkit.event.HandlerList.unregisterAll(LISTENER);
    }

    public int blockAt(int x, int y, int z) {
        return grid.blockAt(x, y, z);
    }

    public int metaAt(int x, int y, int z) {
        return grid.metaAt(x, y, z);
    }

    public void setBlock(int x, int y, int z, int id, int data) {
        grid.setBlock(x, y, z, id, data);
    }

    public int light(int x, int y, int z) {
        if (fixedLight >= 0) {
            return fixedLight;
        }
        if (grid.plain()) {
            return y >= grid.floor ? 15 << 4 | blockLight : blockLight;
        }
        for (int h = 63; h >= y; h--) { // the made-up terrains are low
            if (grid.blockAt(x, h, z) != 0) {
                return blockLight;
            }
        }
        return 15 << 4 | blockLight;
    }

    public boolean loaded(int x, int z) {
        return true;
    }

    public int height(int x, int z) {
        if (grid.plain()) {
            return grid.floor;
        }
        for (int h = 63; h >= 0; h--) {
            if (grid.blockAt(x, h, z) != 0) {
                return h + 1;
            }
        }
        return 0;
    }

    public long dayTime() {
        return dayTime;
    }

    public int difficulty() {
        return difficulty;
    }

    public boolean raining() {
        return raining;
    }

    public boolean thundering() {
        return thundering;
    }

    public boolean spawnMonsters() {
        return monsters;
    }

    public boolean spawnAnimals() {
        return animals;
    }

    public int[] spawnPoint() {
        return spawn;
    }

    public Entities entities() {
        return entities;
    }

    public Object lock() {
        return lock;
    }

    public GameHost host() {
        return new GameHost() {
            public void callEvent(Event event) {
                events.add(event);
                if (onEvent != null) {
                    onEvent.accept(event);
                }
                for (Class<?> c : cancel) {
                    if (c.isInstance(event)) {
                        ((Cancellable) event).setCancelled(true);
                    }
                }
            }

            public boolean dispatchCommand(CommandSender sender, String commandLine) {
                return false;
            }

            public List<String> tabCompleteCommand(CommandSender sender, String commandLine) {
                return null;
            }

            public Server api() {
                return null;
            }
        };
    }

    public World api() {
        return null;
    }

    public void toViewers(WorldEntity e, PacketOut packet) {
        shown.add(packet);
    }

    public void toNear(double x, double y, double z, double distance, PacketOut packet) {
        shown.add(packet);
    }

    public boolean hurtPlayer(Player target, Entity attacker, float damage, boolean projectile, String deathMessage) {
        hurt.add(deathMessage + " / " + damage);
        return true;
    }

    public void burnPlayer(Player target, float damage, int fireSeconds, String deathMessage) {
        hurt.add(deathMessage + " / " + damage);
    }

    public void pushPlayer(Player target, double vx, double vy, double vz) {
    }

    public void explode(Entity source, double x, double y, double z, float power) {
        explosions.add(new double[] {x, y, z, power});
    }

    public void drop(double x, double y, double z, int item, int count, int damage) {
        drops.add(new int[] {item, count, damage});
    }

    public void dropExperience(double x, double y, double z, int amount) {
        experience.add(amount);
    }

    public boolean griefing() {
        return griefing;
    }

    public boolean mobLoot() {
        return mobLoot;
    }

    public boolean give(Player p, int item, int count) {
        return true;
    }

    /** A survival player standing at the place, as far as the mobs' rules ask of one. */
    static Player player(final String name, final double x, final double y, final double z) {
        return (Player) Proxy.newProxyInstance(Player.class.getClassLoader(), new Class<?>[] {Player.class},
                new InvocationHandler() {
                    public Object invoke(Object proxy, Method m, Object[] args) {
                        String n = m.getName();
                        if (n.equals("getLocation")) {
                            return new Location(null, x, y, z);
                        }
                        if (n.equals("getName")) {
                            return name;
                        }
                        if (n.equals("getGameMode")) {
                            return GameMode.SURVIVAL;
                        }
                        if (n.equals("isOnline")) {
                            return true;
                        }
                        if (n.equals("isDead")) {
                            return false;
                        }
                        if (n.equals("getEyeHeight")) {
                            return 1.62;
                        }
                        if (n.equals("hashCode")) {
                            return System.identityHashCode(proxy);
                        }
                        if (n.equals("equals")) {
                            return proxy == args[0];
                        }
                        return null;
                    }
                });
    }
}
